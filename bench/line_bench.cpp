// Speed of the analysis of an 8-span lapped purlin line: every combination's
// forces, span summaries, compressed-flange segments and down-slope beams,
// the deflections, and the construction load's envelope at every checked
// section.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "calc/line/elasticline.h"
#include "calc/line/lateralbeam.h"
#include "calc/line/pointenvelope.h"
#include "calc/line/segments.h"

namespace {

using namespace veldrin::line;

// 8 spans of 6 to 7.5 m, a = 0.355 m, two rods a span.
PurlinLine eightSpans() {
  PurlinLine line{{6, 7.5, 6, 6, 7.5, 6, 6, 6}, {}, 2};
  line.laps.assign(7, {0.375, 0.375});
  return line;
}

// The web-plane and down-slope line loads of the combinations, kN/m, and P, kN.
struct Combination {
  double q, qx, p;
  bool serviceability;
};
const std::vector<Combination> kCombinations = {
    {1.70, 0.17, 0, false}, {2.10, 0.17, 0, false}, {1.90, 0.15, 0, false}, {-1.82, 0.04, 0, false},
    {0.52, 0.05, 1.5, false}, {1.19, 0.12, 0, true},  {-1.07, 0.04, 0, true},
};
constexpr double kEi = 206000 * 288.12e4;  // N·mm²

double spanChecks(const PurlinLine& line, const LineForces& f, const Combination& c) {
  double sum = 0;
  for (int i = 0; i < line.spanCount(); ++i) {
    const SpanForces& s = f.spans[static_cast<std::size_t>(i)];
    for (const Segment& seg : compressedSegments(s, line.rodPositions(i), {true, false})) sum += seg.peak.moment;
    sum += LateralBeam(line.length(i), line.rods, c.qx).moment(line.length(i) / 2);
  }
  for (const SpanSummary& s : spanSummaries(line, f)) sum += s.leftFaceShear;
  return sum;
}

// P's worst at each span's single part, its lap ends and rods, and the supports.
double envelopeChecks(const PurlinLine& line, const Combination& c) {
  const PointLoadEnvelope envelope(line, std::vector<double>(line.spans.size(), c.q), c.p);
  double sum = 0;
  for (int i = 0; i < line.spanCount(); ++i) {
    const Interval single = line.singlePart(i);
    sum += envelope.momentOver(i, single).sagging.value_or(Governing{}).value;
    for (double x : {0.0, single.from, single.to, line.length(i)}) {
      sum += envelope.momentAt(i, x).smallest.value + envelope.shearAt(i, x).value;
    }
    for (double x : line.rodPositions(i)) sum += envelope.momentAt(i, x).largest.value;
  }
  return sum;
}

double fullAnalysis(const PurlinLine& line) {
  double sum = 0;
  for (const Combination& c : kCombinations) {
    const LineLoad load = uniformLoad(line, c.q);
    sum += spanChecks(line, lineForces(line, load), c);
    if (c.p != 0) sum += envelopeChecks(line, c);
    if (!c.serviceability) continue;
    const ElasticLine elastic(line, load, kEi);
    for (int i = 0; i < line.spanCount(); ++i) sum += elastic.largest(i).v;
  }
  return sum;
}

void BM_EightSpanLineAnalysis(benchmark::State& state) {
  const PurlinLine line = eightSpans();
  for (auto _ : state) benchmark::DoNotOptimize(fullAnalysis(line));
}
BENCHMARK(BM_EightSpanLineAnalysis)->Unit(benchmark::kMillisecond);

// The parts on their own: the envelope of combination 5, and one combination's forces.
void BM_EightSpanEnvelope(benchmark::State& state) {
  const PurlinLine line = eightSpans();
  for (auto _ : state) benchmark::DoNotOptimize(envelopeChecks(line, kCombinations[4]));
}
BENCHMARK(BM_EightSpanEnvelope)->Unit(benchmark::kMillisecond);

void BM_EightSpanForces(benchmark::State& state) {
  const PurlinLine line = eightSpans();
  for (auto _ : state) benchmark::DoNotOptimize(lineForces(line, uniformLoad(line, 1.7)).spans.data());
}
BENCHMARK(BM_EightSpanForces);

}  // namespace
