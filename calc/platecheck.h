#pragma once
// Plate width-to-thickness check under GBJ18-87 (moments in N·mm).
#include "input/designcase.h"
#include "toolkit/platform.h"

namespace veldrin {

void neilicheck_code2(DesignCase& dc, Platform& ui, double mx, double my);

}  // namespace veldrin
