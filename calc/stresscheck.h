#pragma once
// Flange and web stress check under CECS102:98 (moments in N·mm).
#include "input/designcase.h"

namespace veldrin {

void neilicheck_code1(DesignCase& dc, double mx, double my);

}  // namespace veldrin
