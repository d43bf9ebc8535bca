#pragma once
// The moments over the supports of a continuous beam on rigid supports, by
// the flexibility (three-moment) method: the beam cut into simple spans at
// the supports, the support moments restore the slope's continuity. A span
// may be softer over stretches (the laps for the deflection); the slope
// integrals ∫M·m/EI are cubic between break points, so Simpson's rule gives
// them exactly and the moments are exact to rounding.
#include <vector>

#include "calc/line/spanforces.h"

namespace veldrin::line {

// A stretch of a span whose EI is factor × the span's EI elsewhere.
struct StiffnessZone {
  Interval where;
  double factor = 1;
};

struct BeamSpan {
  double length = 0;
  SpanLoad load;
  std::vector<StiffnessZone> zones;  // not overlapping
};

// Between break points EI is constant and M0 a parabola.
std::vector<double> breakPoints(const BeamSpan& span);
double stiffnessFactor(const BeamSpan& span, double x);

// ∫ f dx over [from, to] for f cubic there.
template <class F>
double simpson(F f, double from, double to) {
  return (to - from) / 6 * (f(from) + 4 * f((from + to) / 2) + f(to));
}

// ∫ f/factor dx over the span, f cubic between its break points.
template <class F>
double overSpan(const BeamSpan& span, const std::vector<double>& points, F f) {
  double sum = 0;
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    const double factor = stiffnessFactor(span, (points[k] + points[k + 1]) / 2);
    sum += simpson(f, points[k], points[k + 1]) / factor;
  }
  return sum;
}

// n + 1 moments for n spans, kN·m, hogging −; 0 at the two ends.
std::vector<double> supportMoments(const std::vector<BeamSpan>& spans);

}  // namespace veldrin::line
