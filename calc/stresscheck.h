#pragma once
// Flange and web stress check under CECS102:98 (moments in N·mm).
#include "input/designcase.h"

namespace veldrin {

void neilicheck_code1(DesignCase& dc, double mx, double my);

// Normal stresses at the corner points (MPa, compression positive), each
// floored to 0.01 as soon as it is formed: 7 web/upper flange, 8 upper
// flange/lip, 4 web/lower flange, 3 lower flange/lip.
struct CornerStresses {
  double s7 = 0, s8 = 0, s3 = 0, s4 = 0;
};

// x0 is the floored centroid distance from the web, yc the floored centroid
// offset above mid-height (0 for the gross section).
CornerStresses cornerStresses(const DesignCase& dc, double mx, double my, Single x0, Single yc);

// The corner stresses the selected code's strength check forms for these
// moments (N·mm) on the section as it stands: x0 and yc floored to 0.01, the
// centroid offset yc counting under CECS102:98 only.
CornerStresses checkedCornerStresses(const DesignCase& dc, double mx, double my);

// max(|σ7|, |σ8|, |σ3|, |σ4|).
double largestMagnitude(const CornerStresses& s);

// Without a positive ix and iy no stress can be formed: the run stops with a
// message instead of writing a report with undefined numbers.
void requireBendingStiffness(const DesignCase& dc);

}  // namespace veldrin
