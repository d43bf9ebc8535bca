#include "calc/line/purlinline.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace veldrin::line {

namespace {

void refuseIf(bool wrong, const std::string& what) {
  if (wrong) throw std::invalid_argument(what);
}

bool positive(double v) { return std::isfinite(v) && v > 0; }
bool notNegative(double v) { return std::isfinite(v) && v >= 0; }

void requireSpans(const PurlinLine& line) {
  refuseIf(line.spans.empty() || line.spanCount() > kMaxSpans,
           "a purlin line has 1 to " + std::to_string(kMaxSpans) + " spans, not " + std::to_string(line.spanCount()));
  for (int i = 0; i < line.spanCount(); ++i) {
    refuseIf(!positive(line.length(i)), "span " + std::to_string(i + 1) + " has no positive length");
  }
}

void requireLaps(const PurlinLine& line) {
  refuseIf(!line.laps.empty() && line.laps.size() + 1 != line.spans.size(),
           "a lapped line has one lap per interior support");
  for (const Lap& lap : line.laps) refuseIf(!notNegative(lap.left) || !notNegative(lap.right), "a lap is negative");
  for (int i = 0; i < line.spanCount(); ++i) {
    refuseIf(line.lapFromLeft(i) + line.lapFromRight(i) >= line.length(i),
             "the laps of span " + std::to_string(i + 1) + " leave no single part between them");
  }
}

}  // namespace

double PurlinLine::lapFromLeft(int span) const {
  if (span == 0 || laps.empty()) return 0;
  return laps[static_cast<std::size_t>(span - 1)].right;
}

double PurlinLine::lapFromRight(int span) const {
  if (span == spanCount() - 1 || laps.empty()) return 0;
  return laps[static_cast<std::size_t>(span)].left;
}

Interval PurlinLine::singlePart(int span) const { return {lapFromLeft(span), length(span) - lapFromRight(span)}; }

std::vector<double> PurlinLine::rodPositions(int span) const {
  std::vector<double> positions;
  for (int k = 1; k <= rods; ++k) positions.push_back(length(span) * k / (rods + 1));
  return positions;
}

void requireValidLine(const PurlinLine& line) {
  requireSpans(line);
  requireLaps(line);
  refuseIf(line.rods < 0, "the rod count is negative");
}

}  // namespace veldrin::line
