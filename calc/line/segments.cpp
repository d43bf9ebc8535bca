#include "calc/line/segments.h"

#include <cmath>

namespace veldrin::line {

namespace {

// The sign a stretch between inflection points bends in: the larger of its
// sagging and hogging peaks (the other is rounding at its ends).
std::optional<Extreme> peakOf(const SpanForces& f, Interval zone) {
  const std::optional<Extreme> sag = largestSagging(f, zone), hog = largestHogging(f, zone);
  if (sag && (!hog || sag->moment >= -hog->moment)) return sag;
  return hog;
}

Brace braceAt(const SpanForces& f, double x) { return x == 0 || x == f.length ? Brace::Support : Brace::Inflection; }

// A compressed stretch cut at the counted rods inside it.
void cutAtRods(const SpanForces& f, Interval zone, Flange flange, const std::vector<double>& rods,
               std::vector<Segment>& out) {
  double from = zone.from;
  Brace start = braceAt(f, zone.from);
  auto close = [&](double to, Brace end) {
    const Interval where{from, to};
    const std::optional<Extreme> e = flange == Flange::Upper ? largestSagging(f, where) : largestHogging(f, where);
    out.push_back({flange, where, start, end, e.value_or(Extreme{0, from})});
    from = to;
    start = end;
  };
  for (double rod : rods) {
    if (rod > zone.from && rod < zone.to) close(rod, Brace::Rod);
  }
  close(zone.to, braceAt(f, zone.to));
}

}  // namespace

std::vector<Segment> compressedSegments(const SpanForces& f, const std::vector<double>& rods, RodBracing counted) {
  std::vector<double> bounds = {0};
  for (double x : inflectionPoints(f)) bounds.push_back(x);
  bounds.push_back(f.length);
  std::vector<Segment> out;
  for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
    const Interval zone{bounds[k], bounds[k + 1]};
    const std::optional<Extreme> peak = peakOf(f, zone);
    if (!peak) continue;
    const Flange flange = peak->moment > 0 ? Flange::Upper : Flange::Lower;
    const bool rodsCount = flange == Flange::Upper ? counted.upper : counted.lower;
    cutAtRods(f, zone, flange, rodsCount ? rods : std::vector<double>{}, out);
  }
  return out;
}

const Segment* segmentAt(const std::vector<Segment>& segments, Flange flange, double x) {
  const Segment* found = nullptr;
  for (const Segment& s : segments) {
    if (s.flange != flange || !s.where.contains(x)) continue;
    if (found == nullptr || s.length() > found->length()) found = &s;
  }
  return found;
}

}  // namespace veldrin::line
