#include "calc/section/properties.h"

#include <cmath>
#include <numbers>

#include "calc/section/channel.h"
#include "calc/section/solid.h"
#include "calc/section/warping.h"

namespace veldrin::section {

namespace {

// With equal moments every axis is principal unless a product moment
// remains; then the axes lie at 45°, turned so that ix >= iy.
double principalAngle(double ix, double iy, double ixy) {
  if (ix != iy) return 0.5 * std::atan(-2 * ixy / (ix - iy));
  if (ixy == 0) return 0;
  return ixy > 0 ? -std::numbers::pi / 4 : std::numbers::pi / 4;
}

GrossProperties solidGross(const Outline& o) {
  GrossProperties g;
  g.plane = solidMoments(o, {});
  g.principal = principalAxes(g.plane.ix, g.plane.iy, g.plane.ixy);
  g.it = solidTorsionConstant(o);
  g.iw = warpingOf(o.centreLine, o.dims.t).iw;
  return g;
}

}  // namespace

PrincipalAxes principalAxes(double ix, double iy, double ixy) {
  const double theta = principalAngle(ix, iy, ixy);
  const double mean = (ix + iy) / 2, half = (ix - iy) / 2;
  const double cos2 = std::cos(2 * theta), sin2 = std::sin(2 * theta);
  return {mean + half * cos2 - ixy * sin2, mean - half * cos2 + ixy * sin2, theta};
}

// The C keeps the closed forms of its reports; the other families are
// integrated over their parts, with Iω over the square-corner centre line.
GrossProperties grossProperties(const Outline& o) { return o.family == Family::C ? channelGross(o) : solidGross(o); }

PlaneMoments effectiveProperties(const Outline& o, const std::vector<Strip>& strips) {
  return o.family == Family::C ? channelEffective(o, strips) : solidMoments(o, strips);
}

}  // namespace veldrin::section
