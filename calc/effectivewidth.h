#pragma once
// Effective width of one plate element under CECS102:98.
#include <cstdint>

#include "input/designcase.h"

namespace veldrin {

// choisenum: 1 upper flange, 2 lower flange, 3 web.
void youxiaokuandu_code1(DesignCase& dc, double sigma1, double sigma2, Single hb, std::int16_t choisenum);

}  // namespace veldrin
