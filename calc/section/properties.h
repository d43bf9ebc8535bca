#pragma once
// Section properties of an outline: the gross section, its principal axes,
// It and Iω, and the effective section left when strips are removed from
// named flats. mm units throughout.
#include <vector>

#include "calc/section/outline.h"

namespace veldrin::section {

// A strip that leaves the section: of the named flat, keptAtStart counts from
// its start and keptAtEnd from its end; what lies between them is removed. A
// strip whose two kept parts cover the flat removes nothing.
struct Strip {
  FlatName flat = FlatName::Web;
  double keptAtStart = 0, keptAtEnd = 0;
};

// Area, centroid, and second moments about centroidal axes x (normal to the
// web: ix = ∫y²dA) and y (along the web: iy = ∫x²dA); ixy = ∫xy dA.
struct PlaneMoments {
  double area = 0;
  Point centroid;
  double ix = 0, iy = 0, ixy = 0;
};

// The principal axes: theta turns the x axis counter-clockwise onto the
// principal axis within 45° of it (for a purlin, where Ix > Iy, the major
// axis); ix and iy are the moments about that axis and the other.
struct PrincipalAxes {
  double ix = 0, iy = 0, theta = 0;
};

PrincipalAxes principalAxes(double ix, double iy, double ixy);

// The gross section. The C's values are rounded as its reports have always
// shown them: the area down to 0.01 mm², the principal moments, It and Iω
// down to whole units, the rest unrounded. The other families' are unrounded.
struct GrossProperties {
  PlaneMoments plane;
  PrincipalAxes principal;
  double it = 0, iw = 0;
};

GrossProperties grossProperties(const Outline& o);

// The section without the strips, unrounded.
PlaneMoments effectiveProperties(const Outline& o, const std::vector<Strip>& strips);

}  // namespace veldrin::section
