#pragma once
// The forces along one span from statics: the span's own loads on a simple
// span plus the straight line between the moments over its supports,
// M(x) = M0(x) + ML·(1 − x/L) + MR·x/L.
#include <optional>
#include <vector>

#include "calc/line/purlinline.h"

namespace veldrin::line {

// The loads on one span: a uniform load over its length and one point load.
struct SpanLoad {
  double q = 0;  // kN/m, + toward the roof
  double p = 0;  // kN, + toward the roof
  double a = 0;  // m, where the point load stands, from the span's left support
};

// M0 of the span simply supported, kN·m, + sagging. At mid-span of a single
// span it is bit for bit qL²/8 + PL/4 with the point load there.
double simpleSpanMoment(double length, const SpanLoad& load, double x);

struct SpanForces {
  double length = 0;
  SpanLoad load;
  double left = 0, right = 0;  // moments over its supports, kN·m, hogging −

  // kN·m, + sagging: the upper flange compressed.
  double moment(double x) const;
  // V = dM/dx, kN, over the stretch that ends at x and the one that starts
  // at x: a point load standing at x lies between the two.
  double shearLeftOf(double x) const;
  double shearRightOf(double x) const;
  // The one-sided shear of larger magnitude, with its sign.
  double largerShear(double x) const;
  // At the support faces, with a point load at a face on the span's side.
  double leftFaceShear() const { return shearLeftOf(0); }
  double rightFaceShear() const { return shearRightOf(length); }

 private:
  double shearBeforeLoad(double x) const;
  double shearAfterLoad(double x) const;
};

// A moment and where it acts, m from the span's left support.
struct Extreme {
  double moment = 0;
  double x = 0;
};

// The largest sagging (hogging) moment over a part of the span; none where
// the moment never takes that sign there. Exact: the ends of the part, the
// point load and the vertices of the two parabolas are the candidates.
std::optional<Extreme> largestSagging(const SpanForces& f, Interval part);
std::optional<Extreme> largestHogging(const SpanForces& f, Interval part);

// Where the moment changes sign strictly inside the span, left to right.
std::vector<double> inflectionPoints(const SpanForces& f);

}  // namespace veldrin::line
