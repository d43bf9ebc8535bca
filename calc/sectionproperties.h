#pragma once
// Section properties of the lipped C section: the gross section, or the
// effective section from the widths of each plate that count as effective.
#include "input/designcase.h"

namespace veldrin {

// Second moments of the rectangle between two y and two x bounds. Bounds in
// reverse order give a negative value, which is added unchanged.
double imtx0(double y1, double y2, double x1, double x2);
double imty0(double y1, double y2, double x1, double x2);
double imtxy0(double y1, double y2, double x1, double x2);

// Second moments about the principal axes, from those about the centroidal
// axes parallel to the flanges (x) and to the web (y).
struct PrincipalMoments {
  double ix, iy, ixy;
};
PrincipalMoments principalMoments(double ix1, double iy1, double ixy1);

// Six widths: web halves from flange 1 and flange 2, two parts per flange.
void jiemiantx_code1(DesignCase& dc, Single h, Single b, Single a, Single t, Single he1, Single he2,
                     Single be11, Single be12, Single be21, Single be22);

// Three widths, each split into two equal halves.
void jiemiantx_code2(DesignCase& dc, Single h, Single b, Single a, Single t, Single he, Single be1,
                     Single be2);

// The full-width section of dc's h, b, a, t by the selected code's routine
// (CECS102:98's six half widths, otherwise the three full widths; the two
// agree on a full section).
void grossSectionProperties(DesignCase& dc);

}  // namespace veldrin
