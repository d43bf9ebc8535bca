#pragma once
// Plate width-to-thickness check under GBJ18-87 (moments in N·mm).
#include "input/designcase.h"
#include "toolkit/platform.h"

namespace veldrin {

// Asks the user for the web's effective ratio; overstressed elements bring
// up a warning box. Starts from the full widths (he = h, be1 = be2 = b) and
// sets effectflag for an element that fails its ratio test (never clears it).
void neilicheck_code2(DesignCase& dc, Platform& ui, double mx, double my);

// ξ of an edge-stiffened flange for the edge coefficient α (two decimals):
// interpolated in the table between 0.2 and 2.0, 14 below and 47 from 2.0 on.
double allowableRatioCoefficient(double alpha);

}  // namespace veldrin
