#pragma once
// The deflection of a purlin line (GB 51022-2015 commentary 9.1.3): the
// continuous beam with each lap zone [support − a, support + a] at half the
// single purlin's EI, with its own support moments (nothing released).
//
// Exact to rounding: the deflection at a point is the unit-load integral
// ∫M·m̄/EI over the simple span, cubic between break points, so Simpson's
// rule is exact; the largest deflection stands where the slope (the same
// integral with a unit couple) changes sign, found by bisection to the last
// bit.
#include <vector>

#include "calc/line/continuousbeam.h"
#include "calc/line/lineforces.h"

namespace veldrin::line {

inline constexpr double kLapStiffness = 0.5;

// The largest deflection of a span: the one of largest magnitude.
struct SpanDeflection {
  double v = 0;  // mm, + toward the roof
  double x = 0;  // m from the span's left support
};

class ElasticLine {
 public:
  // ei: the single purlin's E·I, N·mm² (E in MPa × I in mm⁴).
  ElasticLine(const PurlinLine& line, const LineLoad& load, double ei);

  double deflection(int span, double x) const;  // mm, + toward the roof
  double slope(int span, double x) const;       // rad, + where the deflection grows
  SpanDeflection largest(int span) const;
  // The support moments of the lapped beam, kN·m.
  const std::vector<double>& supportMoments() const { return forces_.elastic; }

 private:
  template <class UnitMoment>
  double unitIntegral(int span, double x0, UnitMoment unit) const;
  double rootOfSlope(int span, double from, double to) const;

  std::vector<BeamSpan> spans_;
  LineForces forces_;
  double ei_ = 0;
};

}  // namespace veldrin::line
