#pragma once
// Overall (lateral-torsional) stability of one combination.
#include <cstdint>

#include "input/designcase.h"

namespace veldrin {

void stability_code2(DesignCase& dc, Single qx, Single qy, Single Q, std::int16_t latiaonum);

}  // namespace veldrin
