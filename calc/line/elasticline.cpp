#include "calc/line/elasticline.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace veldrin::line {

namespace {

constexpr double kKnM3ToNmm3 = 1e12;  // ∫M·m̄ dx: kN·m·m·m → N·mm³
constexpr double kKnM2ToNmm2 = 1e9;   // ∫M·dx: kN·m·m → N·mm²
constexpr int kSlopeSamples = 48;  // per span, to bracket the slope's sign changes

void addLapZones(const PurlinLine& line, std::vector<BeamSpan>& spans) {
  for (int i = 0; i < line.spanCount(); ++i) {
    BeamSpan& s = spans[static_cast<std::size_t>(i)];
    const double left = line.lapFromLeft(i), right = line.lapFromRight(i);
    if (left > 0) s.zones.push_back({{0, left}, kLapStiffness});
    if (right > 0) s.zones.push_back({{s.length - right, s.length}, kLapStiffness});
  }
}

std::vector<double> withPoint(std::vector<double> points, double x) {
  if (x > points.front() && x < points.back()) {
    points.insert(std::upper_bound(points.begin(), points.end(), x), x);
  }
  return points;
}

}  // namespace

ElasticLine::ElasticLine(const PurlinLine& line, const LineLoad& load, double ei) : ei_(ei) {
  if (!(std::isfinite(ei) && ei > 0)) throw std::invalid_argument("the purlin's EI is not positive");
  spans_ = beamSpans(line, load);
  addLapZones(line, spans_);
  forces_ = continuousForces(spans_, 1);
}

template <class UnitMoment>
double ElasticLine::unitIntegral(int span, double x0, UnitMoment unit) const {
  const BeamSpan& s = spans_[static_cast<std::size_t>(span)];
  const SpanForces& f = forces_.spans[static_cast<std::size_t>(span)];
  const std::vector<double> points = withPoint(breakPoints(s), x0);
  return overSpan(s, points, [&](double x) { return f.moment(x) * unit(x); });
}

double ElasticLine::deflection(int span, double x0) const {
  const double L = spans_[static_cast<std::size_t>(span)].length;
  // m̄: the simple span's moment under a unit load at x0.
  auto unit = [L, x0](double x) { return x <= x0 ? x * (L - x0) / L : x0 * (L - x) / L; };
  return unitIntegral(span, x0, unit) * kKnM3ToNmm3 / ei_;
}

double ElasticLine::slope(int span, double x0) const {
  const double L = spans_[static_cast<std::size_t>(span)].length;
  // ∂m̄/∂x0 = −x/L + (1 beyond x0): the unit load moved along, a unit couple
  // at x0. The step is integrated on its own, so no Simpson node sits on it.
  const double line = unitIntegral(span, x0, [L](double x) { return -x / L; });
  std::vector<double> beyond = {x0};
  for (double x : withPoint(breakPoints(spans_[static_cast<std::size_t>(span)]), x0)) {
    if (x > x0) beyond.push_back(x);
  }
  const SpanForces& f = forces_.spans[static_cast<std::size_t>(span)];
  const double step = overSpan(spans_[static_cast<std::size_t>(span)], beyond, [&f](double x) { return f.moment(x); });
  return (line + step) * kKnM2ToNmm2 / ei_;
}

double ElasticLine::rootOfSlope(int span, double from, double to) const {
  const bool risingAtFrom = slope(span, from) > 0;
  for (int k = 0; k < 200; ++k) {
    const double mid = (from + to) / 2;
    if (mid <= from || mid >= to) break;
    (slope(span, mid) > 0) == risingAtFrom ? from = mid : to = mid;
  }
  return (from + to) / 2;
}

SpanDeflection ElasticLine::largest(int span) const {
  const double L = spans_[static_cast<std::size_t>(span)].length;
  SpanDeflection best{0, L / 2};
  double x = 0, s = slope(span, 0);
  for (int k = 1; k <= kSlopeSamples; ++k) {
    const double next = L * k / kSlopeSamples, sNext = slope(span, next);
    if ((s > 0) != (sNext > 0)) {
      const double root = rootOfSlope(span, x, next), v = deflection(span, root);
      if (std::fabs(v) > std::fabs(best.v)) best = {v, root};
    }
    x = next;
    s = sNext;
  }
  return best;
}

}  // namespace veldrin::line
