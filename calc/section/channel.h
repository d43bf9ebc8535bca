#pragma once
// The lipped C by the closed forms its reports have always been worked with:
// the design tables' π, the area and centroid in closed form (a flange's
// material taken at the flange's middle), the flats as rectangles about the
// centroid rounded down to 0.01 mm, quarter-annulus bends, It and Iω by
// their closed forms. Widths from the outer faces pass as 4-byte values, as
// the design case holds them.
#include <vector>

#include "calc/section/properties.h"

namespace veldrin::section {

// Rounded as grossProperties says.
GrossProperties channelGross(const Outline& o);

// The web's and flanges' strips within the closed forms (the area rounded
// down to 0.01 mm², the centroid's height a 4-byte value), then each lip's
// strip taken out about the moving centroid.
PlaneMoments channelEffective(const Outline& o, const std::vector<Strip>& strips);

}  // namespace veldrin::section
