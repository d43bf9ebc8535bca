#include "calc/line/pointenvelope.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "calc/line/segments.h"

namespace veldrin::line {
namespace {

// The worst of P stepped over every span in kSteps, the section and the
// part's ends among them; what the envelope must reach and not pass.
constexpr int kSteps = 400;

struct Worst {
  double largest = -HUGE_VAL, smallest = HUGE_VAL, sagging = 0, hogging = 0, shear = 0;
};

Worst fineSearch(const PurlinLine& line, const std::vector<double>& q, int span, double x) {
  Worst w;
  const Interval part = line.singlePart(span);
  auto visit = [&](int j, double at) {
    const SpanForces f = lineForces(line, {q, PointLoad{j, at, 1}}).spans[static_cast<std::size_t>(span)];
    w.largest = std::max(w.largest, f.moment(x));
    w.smallest = std::min(w.smallest, f.moment(x));
    w.sagging = std::max(w.sagging, largestSagging(f, part).value_or(Extreme{}).moment);
    w.hogging = std::min(w.hogging, largestHogging(f, part).value_or(Extreme{}).moment);
    w.shear = std::max(w.shear, std::fabs(f.largerShear(x)));
  };
  for (int j = 0; j < line.spanCount(); ++j) {
    for (int k = 0; k <= kSteps; ++k) visit(j, line.length(j) * k / kSteps);
  }
  for (double at : {x, part.from, part.to}) visit(span, at);
  return w;
}

PurlinLine randomLine(std::mt19937& rng) {
  std::uniform_real_distribution<double> unit(0, 1);
  PurlinLine line;
  const int n = 1 + static_cast<int>(rng() % kMaxSpans);
  for (int i = 0; i < n; ++i) line.spans.push_back(3 + 6 * unit(rng));
  for (int i = 0; i + 1 < n; ++i) {
    const double shorter = std::min(line.spans[i], line.spans[i + 1]);
    line.laps.push_back({0.2 * shorter * unit(rng), 0.2 * shorter * unit(rng)});
  }
  line.rods = static_cast<int>(rng() % 3);
  return line;
}

// Over random lines, loads down and up: the envelope reaches the fine
// search (never below it by more than rounding) and passes it at most by
// the search's step, and its governing position gives its value.
TEST(PointLoadEnvelope, ReachesAFineSearchOverRandomLines) {
  std::mt19937 rng(20240521);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int trial = 0; trial < 16; ++trial) {
    const PurlinLine line = randomLine(rng);
    std::vector<double> q;
    for (int i = 0; i < line.spanCount(); ++i) q.push_back(4 * unit(rng) - 2);
    const int span = static_cast<int>(rng() % static_cast<unsigned>(line.spanCount()));
    const double x = line.length(span) * unit(rng);
    const PointLoadEnvelope envelope(line, q, 1);
    const MomentRange at = envelope.momentAt(span, x);
    const PartExtremes over = envelope.momentOver(span, line.singlePart(span));
    const Worst fine = fineSearch(line, q, span, x);
    const double step = 9.0 / kSteps;  // P·(longest span)/kSteps
    SCOPED_TRACE(trial);
    EXPECT_GE(at.largest.value, fine.largest - 1e-12);
    EXPECT_LE(at.largest.value, fine.largest + step);
    EXPECT_LE(at.smallest.value, fine.smallest + 1e-12);
    EXPECT_GE(at.smallest.value, fine.smallest - step);
    EXPECT_NEAR(over.sagging.value_or(Governing{}).value, fine.sagging, step);
    EXPECT_GE(over.sagging.value_or(Governing{}).value, fine.sagging - 1e-12);
    EXPECT_LE(over.hogging.value_or(Governing{}).value, fine.hogging + 1e-12);
    EXPECT_GE(std::fabs(envelope.shearAt(span, x).value), fine.shear - 1e-12);
    const LineForces governing = envelope.forcesWith(at.largest.position);
    EXPECT_EQ(governing.spans[static_cast<std::size_t>(span)].moment(x), at.largest.value);
  }
}

// The position is named: the twentieth point at mid-span of one span, the
// support face for the shear, and for the hogging over the support of two
// equal spans the point the search finds at L/√3, where the influence line
// −P·a·(L² − a²)/(4L²) peaks between twentieths.
TEST(PointLoadEnvelope, NamesTheGoverningPosition) {
  PurlinLine one{{6}, {}, 1};
  const PointLoadEnvelope single(one, {1}, 1);
  const Governing mid = single.momentAt(0, 3).largest;
  EXPECT_EQ(mid.value, 4.5 + 1.5);
  EXPECT_EQ(mid.position.site, PointSite::Twentieth);
  EXPECT_EQ(mid.position.index, 10);
  const Governing face = single.shearAt(0, 0);
  EXPECT_EQ(face.value, 3 + 1);
  EXPECT_EQ(face.position.site, PointSite::SupportFace);

  const PurlinLine two{{6, 6}, {}, 0};
  const Governing support = PointLoadEnvelope(two, {1, 1}, 1).momentAt(0, 6).smallest;
  EXPECT_EQ(support.position.site, PointSite::Searched);
  EXPECT_NEAR(support.position.x, 6 / std::sqrt(3.0), 1e-5);
  EXPECT_NEAR(support.value, 0.9 * (-36.0 / 8 - 6 / (6 * std::sqrt(3.0))), 1e-10);
}

struct Expected {
  Flange flange;
  double from, to;
  Brace start, end;
};

// The 4 × 6 m lapped line, rods at 2 and 4 m: the end span under suction
// (inflection 4.843 m) and the second span under gravity (1.390, 4.996 m).
TEST(Segments, CompressedFlangeBetweenSupportsRodsAndInflections) {
  PurlinLine line{{6, 6, 6, 6}, {{0.355, 0.355}, {0.355, 0.355}, {0.355, 0.355}}, 2};
  const SpanForces suction = lineForces(line, uniformLoad(line, -2.1)).spans[0];
  const SpanForces gravity = lineForces(line, uniformLoad(line, 1.7)).spans[1];
  using F = Flange;
  using B = Brace;
  struct Row {
    SpanForces forces;
    RodBracing counted;
    std::vector<Expected> segments;
  };
  const std::vector<Row> rows = {
      {suction, {true, false}, {{F::Lower, 0, 4.843, B::Support, B::Inflection}, {F::Upper, 4.843, 6, B::Inflection, B::Support}}},
      {suction,
       {true, true},
       {{F::Lower, 0, 2, B::Support, B::Rod},
        {F::Lower, 2, 4, B::Rod, B::Rod},
        {F::Lower, 4, 4.843, B::Rod, B::Inflection},
        {F::Upper, 4.843, 6, B::Inflection, B::Support}}},
      {gravity,
       {true, false},
       {{F::Lower, 0, 1.390, B::Support, B::Inflection},
        {F::Upper, 1.390, 2, B::Inflection, B::Rod},
        {F::Upper, 2, 4, B::Rod, B::Rod},
        {F::Upper, 4, 4.996, B::Rod, B::Inflection},
        {F::Lower, 4.996, 6, B::Inflection, B::Support}}},
  };
  for (const Row& row : rows) {
    const std::vector<Segment> s = compressedSegments(row.forces, line.rodPositions(0), row.counted);
    ASSERT_EQ(s.size(), row.segments.size());
    for (std::size_t k = 0; k < s.size(); ++k) {
      SCOPED_TRACE(k);
      EXPECT_EQ(s[k].flange, row.segments[k].flange);
      EXPECT_NEAR(s[k].where.from, row.segments[k].from, 5e-4);
      EXPECT_NEAR(s[k].where.to, row.segments[k].to, 5e-4);
      EXPECT_EQ(s[k].start, row.segments[k].start);
      EXPECT_EQ(s[k].end, row.segments[k].end);
      EXPECT_EQ(s[k].peak.moment > 0, s[k].flange == F::Upper);
    }
  }
  // On the rod at 4 m the longer neighbour counts; no compressed upper flange at 1 m.
  const std::vector<Segment> s = compressedSegments(suction, line.rodPositions(0), {true, true});
  EXPECT_EQ(segmentAt(s, F::Lower, 4)->where.from, 2);
  EXPECT_EQ(segmentAt(s, F::Upper, 1), nullptr);
}

}  // namespace
}  // namespace veldrin::line
