#include "calc/line/spanforces.h"

#include <algorithm>
#include <cmath>

namespace veldrin::line {

namespace {

// M = A·x² + B·x + C on one side of the point load.
struct Parabola {
  double a = 0, b = 0, c = 0;
  Interval where;
};

// The two sides of the point load, each a parabola in x.
std::vector<Parabola> parabolas(const SpanForces& f) {
  const double L = f.length, q = f.load.q, p = f.load.p, a = f.load.a;
  const double chord = (f.right - f.left) / L;
  return {{-q / 2, q * L / 2 + p * (L - a) / L + chord, f.left, {0, a}},
          {-q / 2, q * L / 2 - p * a / L + chord, f.left + p * a, {a, L}}};
}

// Real roots of A·x² + B·x + C = 0 that cross zero (a double root does not).
std::vector<double> crossings(const Parabola& m) {
  if (m.a == 0) {
    if (m.b == 0) return {};
    return {-m.c / m.b};
  }
  const double disc = m.b * m.b - 4 * m.a * m.c;
  if (!(disc > 0)) return {};
  const double k = -(m.b + std::copysign(std::sqrt(disc), m.b)) / 2;
  return {k / m.a, m.c / k};
}

// Where dM/dx = 0 on a parabola, when it has a vertex.
std::optional<double> vertex(const Parabola& m) {
  if (m.a == 0) return std::nullopt;
  return -m.b / (2 * m.a);
}

std::vector<double> candidates(const SpanForces& f, Interval part) {
  std::vector<double> xs = {part.from, part.to};
  if (part.contains(f.load.a)) xs.push_back(f.load.a);
  for (const Parabola& m : parabolas(f)) {
    const std::optional<double> x = vertex(m);
    if (x && part.contains(*x) && m.where.contains(*x)) xs.push_back(*x);
  }
  return xs;
}

template <class Better>
Extreme extremeOver(const SpanForces& f, Interval part, Better better) {
  Extreme best{f.moment(part.from), part.from};
  for (double x : candidates(f, part)) {
    const double m = f.moment(x);
    if (better(m, best.moment)) best = {m, x};
  }
  return best;
}

}  // namespace

double simpleSpanMoment(double length, const SpanLoad& load, double x) {
  const double L = length, a = load.a;
  // x·(L − x) first, so that at mid-span the product is L²/4 exactly.
  const double uniform = load.q * (x * (L - x)) / 2;
  if (load.p == 0) return uniform;
  if (x <= a) return uniform + load.p * ((L - a) / L) * x;
  return uniform + load.p * (a / L) * (L - x);
}

double SpanForces::moment(double x) const {
  return simpleSpanMoment(length, load, x) + left * (1 - x / length) + right * (x / length);
}

double SpanForces::shearBeforeLoad(double x) const {
  return load.q * (length / 2 - x) + load.p * (length - load.a) / length + (right - left) / length;
}

double SpanForces::shearAfterLoad(double x) const {
  return load.q * (length / 2 - x) - load.p * load.a / length + (right - left) / length;
}

double SpanForces::shearLeftOf(double x) const { return x <= load.a ? shearBeforeLoad(x) : shearAfterLoad(x); }

double SpanForces::shearRightOf(double x) const { return x < load.a ? shearBeforeLoad(x) : shearAfterLoad(x); }

double SpanForces::largerShear(double x) const {
  const double before = shearLeftOf(x), after = shearRightOf(x);
  return std::fabs(after) > std::fabs(before) ? after : before;
}

std::optional<Extreme> largestSagging(const SpanForces& f, Interval part) {
  const Extreme e = extremeOver(f, part, [](double m, double best) { return m > best; });
  if (e.moment > 0) return e;
  return std::nullopt;
}

std::optional<Extreme> largestHogging(const SpanForces& f, Interval part) {
  const Extreme e = extremeOver(f, part, [](double m, double best) { return m < best; });
  if (e.moment < 0) return e;
  return std::nullopt;
}

std::vector<double> inflectionPoints(const SpanForces& f) {
  // Roots at the supports are the end moments' zeros, not changes of sign.
  const double margin = 1e-9 * f.length;
  std::vector<double> xs;
  for (const Parabola& m : parabolas(f)) {
    for (double x : crossings(m)) {
      if (m.where.contains(x) && x > margin && x < f.length - margin) xs.push_back(x);
    }
  }
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end(), [margin](double u, double v) { return v - u < margin; }), xs.end());
  return xs;
}

}  // namespace veldrin::line
