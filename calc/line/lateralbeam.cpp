#include "calc/line/lateralbeam.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace veldrin::line {

LateralBeam::LateralBeam(double span, int rods, double qx, double px, double a) : span_(span), rods_(rods) {
  if (!(std::isfinite(span) && span > 0) || rods < 0 || !std::isfinite(qx) || !std::isfinite(px) || a < 0 ||
      a > span) {
    throw std::invalid_argument("the lateral beam has no positive span, a negative rod count or a load off it");
  }
  std::vector<BeamSpan> bays;
  for (int k = 0; k <= rods; ++k) bays.push_back({bayStart(k + 1) - bayStart(k), {qx, 0, 0}, {}});
  if (px != 0) {
    const int bay = bayOf(a);
    BeamSpan& s = bays[static_cast<std::size_t>(bay)];
    s.load.p = px;
    s.load.a = std::clamp(a - bayStart(bay), 0.0, s.length);
  }
  bays_ = continuousForces(bays, 1);
}

// The rods stand where PurlinLine::rodPositions puts them.
double LateralBeam::bayStart(int bay) const { return span_ * bay / (rods_ + 1); }

int LateralBeam::bayOf(double x) const {
  int bay = 0;
  while (bay < rods_ && x > bayStart(bay + 1)) ++bay;
  return bay;
}

double LateralBeam::moment(double x) const {
  const int bay = bayOf(x);
  const SpanForces& f = bays_.spans[static_cast<std::size_t>(bay)];
  return f.moment(std::clamp(x - bayStart(bay), 0.0, f.length));
}

}  // namespace veldrin::line
