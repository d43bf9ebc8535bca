#pragma once
// The construction load P on a purlin line ("作用在结构最不利位置上", GB
// 51022-2015 4.1.4): the uniform load of its combination stays, P is placed
// in turn at every span's twentieth points, at each rod, at each support
// face (on the span's side of it) and at the checked section itself (over a
// part of a span: its ends and where the uniform load peaks). The
// worst of these is then searched on between its neighbouring twentieth
// points (golden section), since the influence lines peak between them; the
// position that governs is kept, so the report can name it.
#include <optional>
#include <vector>

#include "calc/line/lineforces.h"

namespace veldrin::line {

// Searched: between the listed points, found by the search.
enum class PointSite { Twentieth, Rod, SupportFace, Section, Searched };

struct PointPosition {
  PointSite site = PointSite::Twentieth;
  int span = 0;   // the span P stands in
  double x = 0;   // m from that span's left support
  int index = 0;  // the twentieth (1 … 19), the rod (1 …), the support (0 … n); else 0
};

// A moment or shear at its worst: its value, the section (m from the span's
// left support) and where P stands.
struct Governing {
  double value = 0;
  double x = 0;
  PointPosition position;
};

// At one section: the largest and the smallest moment over P's positions.
struct MomentRange {
  Governing largest, smallest;
};

// Over a part of a span: the largest sagging and hogging moment, where
// any P position gives that sign.
struct PartExtremes {
  std::optional<Governing> sagging, hogging;
};

class PointLoadEnvelope {
 public:
  // q: the combination's uniform load per span, kN/m; p: P, kN, + toward the roof.
  PointLoadEnvelope(const PurlinLine& line, std::vector<double> q, double p);

  MomentRange momentAt(int span, double x) const;
  PartExtremes momentOver(int span, Interval part) const;
  // The one-sided shear of largest magnitude, with its sign.
  Governing shearAt(int span, double x) const;

  // The design forces with P at a position, for the report of the governing one.
  LineForces forcesWith(const PointPosition& where) const;
  const std::vector<PointPosition>& positions() const { return positions_; }

 private:
  template <class Evaluate>
  std::optional<Governing> search(Evaluate evaluate, double sense, const std::vector<PointPosition>& extra) const;
  std::vector<PointPosition> sectionsOf(int span, Interval part) const;
  template <class Evaluate>
  void refine(Governing& best, Evaluate evaluate, double sense) const;

  PurlinLine line_;
  std::vector<double> q_;
  double p_ = 0;
  std::vector<PointPosition> positions_;
  std::vector<LineForces> cases_;  // one per position
};

}  // namespace veldrin::line
