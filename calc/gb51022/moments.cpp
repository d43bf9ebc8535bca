#include "calc/gb51022/moments.h"

#include <cmath>

namespace veldrin::gb51022 {

std::vector<SpanMoments> spanMoments(const Combination& c, double span, int rods) {
  const double l2 = span * span;
  const double mxUniform = c.qy * l2 / 8;
  const double mxMax = mxUniform + c.py * span / 4;
  if (rods <= 0) return {{CheckLocation::Midspan, mxMax, std::fabs(c.qx * l2 / 8 + c.px * span / 4)}};
  if (rods == 1) return {{CheckLocation::Midspan, mxMax, std::fabs(c.qx * l2 / 32)}};
  const double third = span / 3;  // three equal lateral spans
  return {{CheckLocation::Midspan, mxMax, std::fabs(c.qx * l2 / 360 + 0.175 * c.px * third)},
          {CheckLocation::Rods, mxUniform * 8 / 9 + c.py * span / 6, std::fabs(c.qx * l2 / 90 + 0.075 * c.px * third)}};
}

double supportShear(const Combination& c, double span) { return std::fabs(c.qy) * span / 2 + std::fabs(c.py) / 2; }

}  // namespace veldrin::gb51022
