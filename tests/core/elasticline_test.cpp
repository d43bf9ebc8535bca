#include "calc/line/elasticline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace veldrin::line {
namespace {

// With EI = 1e12 N·mm², q = 1 kN/m and L = 1 m the deflection in mm is the
// coefficient of q·L⁴/EI.
constexpr double kUnitEi = 1e12;

struct Case {
  int spans;
  double length, lap, q, ei;
  int span;
  double v, x, tolerance;  // mm, m, mm
};

double twoSpanShape(double x) { return x * (1 - 3 * x * x + 2 * x * x * x) / 48; }

TEST(ElasticLine, LargestDeflectionAgainstClosedFormsAndTheDerivedExample) {
  const double x2 = (1 + std::sqrt(33.0)) / 16;  // where v′ = 0 on a span of two
  const double cosine = 1 / std::sqrt(1.01), ei = 206000 * 288.12e4, q6 = 0.8 * 1.5 * cosine;
  const std::vector<Case> cases = {
      {1, 1, 0, 1, kUnitEi, 0, 5. / 384, 0.5, 1e-16},
      {2, 1, 0, 1, kUnitEi, 0, twoSpanShape(x2), x2, 1e-16},
      {2, 1, 0, 1, kUnitEi, 1, twoSpanShape(x2), 1 - x2, 1e-16},
      {1, 6, 0, q6, ei, 0, 5 * q6 * std::pow(6000.0, 4) / (384 * ei), 3, 1e-11},
      // 4 × 6 m, a = 0.355 m, D + Q: 18.68 mm with laps at 0.5 EI, 16.84 without.
      {4, 6, 0.355, q6, ei, 0, 18.68, NAN, 5e-3},
      {4, 6, 0, q6, ei, 3, 16.84, NAN, 5e-3},
      // Laps at 0.05L soften the end span from 0.646 to 0.709 × 10⁻² qL⁴/EI.
      {4, 1, 0.05, 1, kUnitEi, 0, 0.00709, NAN, 5e-6},
      {4, 1, 0, 1, kUnitEi, 0, 0.00646, NAN, 5e-6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.spans << " spans, lap " << c.lap << ", span " << c.span);
    PurlinLine line;
    line.spans.assign(static_cast<std::size_t>(c.spans), c.length);
    if (c.lap > 0) line.laps.assign(static_cast<std::size_t>(c.spans - 1), {c.lap, c.lap});
    const SpanDeflection d = ElasticLine(line, uniformLoad(line, c.q), c.ei).largest(c.span);
    EXPECT_NEAR(d.v, c.v, c.tolerance);
    if (!std::isnan(c.x)) {
      EXPECT_NEAR(d.x, c.x, 1e-9);
    }
  }
}

// The lapped beam keeps its own support moments: softer laps draw moment
// into the spans (−0.0958 qL² over the first support with laps at 0.5 EI,
// against −3/28 without), and upward under suction.
TEST(ElasticLine, LapsChangeTheSupportMomentsAndSuctionLifts) {
  PurlinLine line;
  line.spans.assign(4, 1);
  line.laps.assign(3, {0.05, 0.05});
  EXPECT_NEAR(ElasticLine(line, uniformLoad(line, 1), kUnitEi).supportMoments()[1], -0.0958, 5e-5);
  const ElasticLine up(line, uniformLoad(line, -2), kUnitEi);
  EXPECT_NEAR(up.largest(0).v, -2 * 0.00709, 1e-5);
  EXPECT_EQ(up.deflection(0, 0), 0);
  EXPECT_NEAR(up.deflection(0, 1), 0, 1e-17);
  EXPECT_NEAR(up.slope(0, up.largest(0).x), 0, 1e-12);
}

}  // namespace
}  // namespace veldrin::line
