#pragma once
// The compressed flange's segments of one span, for its stability (GB
// 50018-2002 A.2.1, each taken as simply supported): the flange a moment
// compresses (sagging the upper, hogging the lower) between its lateral
// supports: the rafters, the rods that count for that flange, and the
// inflection points, where the compression changes flange.
#include <vector>

#include "calc/line/spanforces.h"

namespace veldrin::line {

enum class Flange { Upper, Lower };
enum class Brace { Support, Rod, Inflection };

struct Segment {
  Flange flange = Flange::Upper;
  Interval where;  // m from the span's left support
  Brace start = Brace::Support, end = Brace::Support;
  Extreme peak;    // the moment of largest magnitude on it
  double length() const { return where.length(); }
};

// Which flanges the rods hold sideways.
struct RodBracing {
  bool upper = true;
  bool lower = false;
};

// Left to right; none where the span carries no moment.
std::vector<Segment> compressedSegments(const SpanForces& f, const std::vector<double>& rods, RodBracing counted);

// The segment of a flange a section lies on; at a counted rod between two
// segments the longer one. nullptr where that flange is not compressed.
const Segment* segmentAt(const std::vector<Segment>& segments, Flange flange, double x);

}  // namespace veldrin::line
