#include "calc/line/lineforces.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace veldrin::line {

namespace {

// Rounding may put a point load computed at a support a hair beyond it.
constexpr double kEndTolerance = 1e-9;

bool onSpan(const PurlinLine& line, const PointLoad& p) {
  const double L = line.length(p.span);
  return p.x >= -kEndTolerance * L && p.x <= L * (1 + kEndTolerance);
}

void requireLoad(const PurlinLine& line, const LineLoad& load) {
  bool valid = load.q.size() == line.spans.size();
  for (double q : load.q) valid = valid && std::isfinite(q);
  if (load.point) {
    const PointLoad& p = *load.point;
    valid = valid && p.span >= 0 && p.span < line.spanCount() && std::isfinite(p.p) && std::isfinite(p.x) &&
            onSpan(line, p);
  }
  if (!valid) throw std::invalid_argument("a load on the purlin line lies outside it or is not a number");
}

SectionForces sectionAt(const SpanForces& f, double x) { return {x, f.moment(x), f.largerShear(x)}; }

SpanSummary summaryOf(const PurlinLine& line, const SpanForces& f, int span) {
  const Interval single = line.singlePart(span);
  SpanSummary s;
  s.sagging = largestSagging(f, single);
  s.hogging = largestHogging(f, single);
  if (line.lapFromLeft(span) > 0) s.lapEndLeft = sectionAt(f, single.from);
  if (line.lapFromRight(span) > 0) s.lapEndRight = sectionAt(f, single.to);
  s.leftFaceShear = f.leftFaceShear();
  s.rightFaceShear = f.rightFaceShear();
  s.inflections = inflectionPoints(f);
  return s;
}

}  // namespace

LineLoad uniformLoad(const PurlinLine& line, double q) { return {std::vector<double>(line.spans.size(), q), {}}; }

double LineForces::reaction(int support) const {
  const std::size_t j = static_cast<std::size_t>(support);
  double r = 0;
  if (j < spans.size()) r += spans[j].leftFaceShear();
  if (j > 0) r -= spans[j - 1].rightFaceShear();
  return r;
}

LineForces continuousForces(const std::vector<BeamSpan>& spans, double kept) {
  LineForces f;
  f.elastic = supportMoments(spans);
  for (std::size_t i = 0; i < spans.size(); ++i) {
    f.spans.push_back({spans[i].length, spans[i].load, kept * f.elastic[i], kept * f.elastic[i + 1]});
  }
  return f;
}

LineForces lineForces(const PurlinLine& line, const LineLoad& load) {
  return continuousForces(beamSpans(line, load), kSupportMomentKept);
}

LineForces elasticForces(const PurlinLine& line, const LineLoad& load) {
  return continuousForces(beamSpans(line, load), 1);
}

std::vector<BeamSpan> beamSpans(const PurlinLine& line, const LineLoad& load) {
  requireValidLine(line);
  requireLoad(line, load);
  std::vector<BeamSpan> spans;
  for (int i = 0; i < line.spanCount(); ++i) {
    spans.push_back({line.length(i), {load.q[static_cast<std::size_t>(i)], 0, 0}, {}});
  }
  if (load.point) {
    BeamSpan& s = spans[static_cast<std::size_t>(load.point->span)];
    s.load.p = load.point->p;
    s.load.a = std::clamp(load.point->x, 0.0, s.length);
  }
  return spans;
}

std::vector<SpanSummary> spanSummaries(const PurlinLine& line, const LineForces& forces) {
  std::vector<SpanSummary> out;
  for (int i = 0; i < line.spanCount(); ++i) out.push_back(summaryOf(line, forces.spans[static_cast<std::size_t>(i)], i));
  return out;
}

}  // namespace veldrin::line
