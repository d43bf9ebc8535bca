#include "calc/section/properties.h"

#include <cmath>
#include <numbers>

#include "basetypes/numbertext.h"
#include "calc/section/channel.h"

namespace veldrin::section {

namespace {

// With equal moments every axis is principal unless a product moment
// remains; then the axes lie at 45°, turned so that ix >= iy.
double principalAngle(double ix, double iy, double ixy) {
  if (ix != iy) return 0.5 * std::atan(-2 * ixy / (ix - iy));
  if (ixy == 0) return 0;
  return ixy > 0 ? -std::numbers::pi / 4 : std::numbers::pi / 4;
}

}  // namespace

PrincipalAxes principalAxes(double ix, double iy, double ixy) {
  const double theta = principalAngle(ix, iy, ixy);
  const double mean = (ix + iy) / 2, half = (ix - iy) / 2;
  const double cos2 = std::cos(2 * theta), sin2 = std::sin(2 * theta);
  return {mean + half * cos2 - ixy * sin2, mean - half * cos2 + ixy * sin2, theta};
}

GrossProperties grossProperties(const Outline& o) {
  GrossProperties g = channelGross(o);
  g.plane.area = truncateTo(g.plane.area, 2);
  g.principal.ix = truncateTo(g.principal.ix, 0);
  g.principal.iy = truncateTo(g.principal.iy, 0);
  g.it = truncateTo(g.it, 0);
  g.iw = truncateTo(g.iw, 0);
  return g;
}

PlaneMoments effectiveProperties(const Outline& o, const std::vector<Strip>& strips) {
  return channelEffective(o, strips);
}

}  // namespace veldrin::section
