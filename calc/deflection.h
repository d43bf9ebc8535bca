#pragma once
// Slenderness and deflection checks: the contents of section five.
#include "input/designcase.h"

namespace veldrin {

// alpha: the roof angle in radians as the run floors it (3 decimals).
void slendernessAndDeflection(DesignCase& dc, double alpha);

}  // namespace veldrin
