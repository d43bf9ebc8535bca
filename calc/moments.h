#pragma once
// Design moments of one combination and the strength check of the selected code.
#include <cstdint>

#include "input/designcase.h"
#include "toolkit/platform.h"

namespace veldrin {

void neili(DesignCase& dc, Platform& ui, Single qx, Single qy, Single Q, Single L, std::int16_t latiaonum);

}  // namespace veldrin
