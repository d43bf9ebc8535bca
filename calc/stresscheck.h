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

enum class Corner { Seven, Eight, Three, Four };

// The line "σ7=mx/ix*h/2-my/iy*x0=…=σ7MPa" of one corner (indent 13), with
// the operands the stress was formed from: each moment with its sign, and
// (h/2-yc) or (h/2+yc) once the centroid has moved off mid-height.
void cornerLine(DesignCase& dc, Corner corner, double mx, double my, Single x0, Single yc, double sigma);

// max(|σ7|, |σ8|, |σ3|, |σ4|).
double largestMagnitude(const CornerStresses& s);

// Without a positive ix and iy no stress can be formed: the run stops with a
// message instead of writing a report with undefined numbers.
void requireBendingStiffness(const DesignCase& dc);

}  // namespace veldrin
