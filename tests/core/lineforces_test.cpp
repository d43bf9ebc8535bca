#include "calc/line/lineforces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "calc/gb51022/moments.h"
#include "calc/line/lateralbeam.h"

namespace veldrin::line {
namespace {

PurlinLine equalSpans(int n, double length = 1, double lap = 0) {
  PurlinLine line;
  line.spans.assign(static_cast<std::size_t>(n), length);
  if (lap > 0) line.laps.assign(static_cast<std::size_t>(n - 1), {lap, lap});
  return line;
}

// Equal spans under q = 1, L = 1: the three-moment results, and the end
// span's maximum after the release, (1/2 + 0.9·MB)²/2.
struct ClosedForm {
  int spans;
  std::vector<double> moments;    // interior supports, elastic
  std::vector<double> reactions;  // elastic
};

TEST(LineForces, EqualSpansMatchTheClosedForms) {
  const std::vector<ClosedForm> cases = {
      {2, {-1. / 8}, {3. / 8, 10. / 8, 3. / 8}},
      {3, {-1. / 10, -1. / 10}, {4. / 10, 11. / 10, 11. / 10, 4. / 10}},
      {4, {-3. / 28, -2. / 28, -3. / 28}, {11. / 28, 32. / 28, 26. / 28, 32. / 28, 11. / 28}},
      {5, {-4. / 38, -3. / 38, -3. / 38, -4. / 38}, {15. / 38, 43. / 38, 37. / 38, 37. / 38, 43. / 38, 15. / 38}},
  };
  for (const ClosedForm& c : cases) {
    SCOPED_TRACE(c.spans);
    const PurlinLine line = equalSpans(c.spans);
    const LineForces elastic = elasticForces(line, uniformLoad(line, 1));
    const LineForces design = lineForces(line, uniformLoad(line, 1));
    for (std::size_t j = 0; j < c.moments.size(); ++j) {
      EXPECT_NEAR(elastic.elastic[j + 1], c.moments[j], 1e-14);
      EXPECT_NEAR(design.spans[j].right, 0.9 * c.moments[j], 1e-14);
    }
    for (std::size_t j = 0; j < c.reactions.size(); ++j) {
      EXPECT_NEAR(elastic.reaction(static_cast<int>(j)), c.reactions[j], 1e-14);
    }
    const double x = 0.5 + 0.9 * c.moments[0];
    const std::optional<Extreme> endSpan = largestSagging(design.spans[0], {0, 1});
    ASSERT_TRUE(endSpan);
    EXPECT_NEAR(endSpan->x, x, 1e-14);
    EXPECT_NEAR(endSpan->moment, x * x / 2, 1e-14);
  }
}

// GB 51022 commentary 9.1.3 on equal spans, laps a = 0.05L, M/qL² to four
// decimals (±6e-5 for the halves): end support, end-span maximum and lap
// end; the second span's maximum and lap end by the first interior
// support; NaN: no such span.
TEST(LineForces, ReleasedMomentsAndLapEndsOfEqualSpans) {
  const double none = NAN;
  const std::vector<std::vector<double>> rows = {
      {2, -0.1125, 0.0751, -0.0831, none, none},
      {3, -0.0900, 0.0841, -0.0617, 0.0350, -0.0662},
      {4, -0.0964, 0.0814, -0.0679, 0.0452, -0.0711},
      {5, -0.0947, 0.0821, -0.0663, 0.0424, -0.0698},
  };
  for (const std::vector<double>& row : rows) {
    const PurlinLine line = equalSpans(static_cast<int>(row[0]), 1, 0.05);
    const std::vector<SpanSummary> s = spanSummaries(line, lineForces(line, uniformLoad(line, 1)));
    SCOPED_TRACE(row[0]);
    EXPECT_NEAR(lineForces(line, uniformLoad(line, 1)).spans[0].right, row[1], 6e-5);
    EXPECT_NEAR(s[0].sagging->moment, row[2], 6e-5);
    EXPECT_NEAR(s[0].lapEndRight->moment, row[3], 6e-5);
    EXPECT_FALSE(s[0].lapEndLeft);
    if (std::isnan(row[4])) continue;
    EXPECT_NEAR(s[1].sagging->moment, row[4], 6e-5);
    EXPECT_NEAR(s[1].lapEndLeft->moment, row[5], 6e-5);
  }
  // The middle span of five: maximum 0.0539 and lap ends −0.0473 both sides.
  const PurlinLine five = equalSpans(5, 1, 0.05);
  const SpanSummary middle = spanSummaries(five, lineForces(five, uniformLoad(five, 1)))[2];
  EXPECT_NEAR(middle.sagging->moment, 0.0539, 6e-5);
  EXPECT_NEAR(middle.lapEndLeft->moment, -0.0473, 6e-5);
  EXPECT_NEAR(middle.lapEndRight->moment, -0.0473, 6e-5);
}

// 4 × 6 m, a = 0.355 m; combination 1 (1.3·0.30 + 1.5·0.50 on 1.5 m at
// slope 0.1) and 4 (1.0·0.30 − 1.5·1.0098 suction), kN and kN·m.
TEST(LineForces, FourSpanLappedLine) {
  PurlinLine line = equalSpans(4, 6, 0.355);
  const double cosine = 1 / std::sqrt(1.01);
  const LineForces f = lineForces(line, uniformLoad(line, 1.14 * 1.5 * cosine));
  const std::vector<SpanSummary> s = spanSummaries(line, f);
  EXPECT_NEAR(f.spans[0].right, -5.907, 5e-4);
  EXPECT_NEAR(s[0].sagging->moment, 4.988, 5e-4);
  EXPECT_NEAR(s[1].lapEndLeft->moment, -4.085, 5e-4);
  EXPECT_NEAR(s[0].rightFaceShear, -6.09, 5e-3);
  const std::vector<double> reactions = {4.120, 11.522, 9.553, 11.522, 4.120};
  for (int j = 0; j <= 4; ++j) EXPECT_NEAR(f.reaction(j), reactions[static_cast<std::size_t>(j)], 5e-4);

  const double suction = 0.30 * 1.5 * cosine - 1.5 * 1.7 * 1.08 * 0.55 * 1.5;
  const LineForces w = lineForces(line, uniformLoad(line, suction));
  const SpanSummary end = spanSummaries(line, w)[0];
  EXPECT_NEAR(end.hogging->moment, -5.348, 5e-4);
  EXPECT_NEAR(w.spans[0].right, 6.333, 5e-4);
  ASSERT_EQ(end.inflections.size(), 1u);
  EXPECT_NEAR(end.inflections[0], 4.843, 5e-4);
}

// One span is today's simple span, bit for bit: qL²/8 + PL/4 with P at
// mid-span, the support shear, and the down-slope moment without rods.
TEST(LineForces, OneSpanIsTodaysSimpleSpan) {
  for (double L : {3.0, 4.5, 6.0, 7.2, 9.0}) {
    gb51022::Combination c;
    c.qy = 0.37 * L;
    c.qx = 0.029 * L;
    c.py = 1.3;
    c.px = 0.11;
    const PurlinLine line = equalSpans(1, L);
    const LineForces f = lineForces(line, {{c.qy}, PointLoad{0, L / 2, c.py}});
    const std::optional<Extreme> max = largestSagging(f.spans[0], line.singlePart(0));
    const gb51022::SpanMoments today = gb51022::spanMoments(c, L, 0)[0];
    EXPECT_EQ(max->moment, today.mx);
    EXPECT_EQ(max->x, L / 2);
    EXPECT_EQ(f.reaction(0), gb51022::supportShear(c, L));
    EXPECT_EQ(LateralBeam(L, 0, c.qx, c.px, L / 2).moment(L / 2), today.my);
  }
}

// The down-slope beam over 0, 1 or 2 rods, P at mid-span: My′/(q·L²) and
// its P share /(P·L) against the single span's coefficients.
TEST(LineForces, LateralBeamGivesTheSingleSpanCoefficients) {
  const std::vector<std::vector<double>> rows = {
      {0, 0.5, 1. / 8, 1. / 4}, {1, 0.5, -1. / 32, 0}, {2, 1. / 3, -1. / 90, -0.075 / 3}, {2, 0.5, 1. / 360, 0.175 / 3}};
  const double L = 7.2, q = 0.8, p = 1.4;
  for (const std::vector<double>& r : rows) {
    const int rods = static_cast<int>(r[0]);
    EXPECT_NEAR(LateralBeam(L, rods, q).moment(r[1] * L), r[2] * q * L * L, 1e-13);
    EXPECT_NEAR(LateralBeam(L, rods, q, p, L / 2).moment(r[1] * L), r[2] * q * L * L + r[3] * p * L, 1e-13);
    EXPECT_EQ(LateralBeam(L, rods, q, p, L / 2).moment(0), 0);
  }
}

TEST(LineForces, RefusesLinesItCannotTake) {
  std::vector<PurlinLine> bad = {equalSpans(0), equalSpans(9), equalSpans(2, -1), equalSpans(3, 1, 0.5),
                                 equalSpans(3)};
  bad.back().laps = {{0.1, 0.1}};
  for (const PurlinLine& line : bad) EXPECT_THROW(lineForces(line, uniformLoad(line, 1)), std::invalid_argument);
  const PurlinLine two = equalSpans(2);
  EXPECT_THROW(lineForces(two, {{1, 1}, PointLoad{1, 1.1, 1}}), std::invalid_argument);
  EXPECT_THROW(lineForces(two, {{1, NAN}, {}}), std::invalid_argument);
  EXPECT_NO_THROW(lineForces(equalSpans(8), uniformLoad(equalSpans(8), 1)));
}

}  // namespace
}  // namespace veldrin::line
