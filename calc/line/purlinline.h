#pragma once
// A purlin line: one to eight spans in a row over the rafters, continuous
// over the interior supports and doubled there by the nested lap, which
// reaches a half-length into the span on each side.
#include <vector>

namespace veldrin::line {

inline constexpr int kMaxSpans = 8;

// The lap over one interior support: how far the doubled section reaches
// into the span on its left and on its right, m.
struct Lap {
  double left = 0, right = 0;
};

// A stretch of one span, m from the span's left support.
struct Interval {
  double from = 0, to = 0;
  bool contains(double x) const { return x >= from && x <= to; }
  double length() const { return to - from; }
};

struct PurlinLine {
  std::vector<double> spans;  // m, left to right
  std::vector<Lap> laps;      // one per interior support; empty: not lapped
  int rods = 0;               // sag rods in every span, equally spaced

  int spanCount() const { return static_cast<int>(spans.size()); }
  double length(int span) const { return spans[static_cast<std::size_t>(span)]; }
  // How far the lap over the span's left (right) support reaches into it;
  // 0 at the ends of the line.
  double lapFromLeft(int span) const;
  double lapFromRight(int span) const;
  // The part of a span between its lap ends, where the purlin is single.
  Interval singlePart(int span) const;
  // The rods of a span, m from its left support.
  std::vector<double> rodPositions(int span) const;
};

// A line the analysis can run on: 1 … kMaxSpans spans of positive length,
// no lap or one per interior support, no lap negative, the two laps in a
// span leaving a single part between them, no negative rod count. Throws
// std::invalid_argument naming what is wrong.
void requireValidLine(const PurlinLine& line);

}  // namespace veldrin::line
