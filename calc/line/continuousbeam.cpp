#include "calc/line/continuousbeam.h"

#include <algorithm>

namespace veldrin::line {

namespace {

// The slope integrals of one span: unit end moments against each other and
// against the span's own M0 (the end rotations, × EI of the span).
struct Flexibility {
  double ll = 0, rr = 0, lr = 0;  // ∫mL², ∫mR², ∫mL·mR
  double l = 0, r = 0;            // ∫M0·mL, ∫M0·mR
};

Flexibility flexibilityOf(const BeamSpan& s) {
  const std::vector<double> points = breakPoints(s);
  const double L = s.length;
  auto mL = [L](double x) { return 1 - x / L; };
  auto mR = [L](double x) { return x / L; };
  auto m0 = [&s](double x) { return simpleSpanMoment(s.length, s.load, x); };
  Flexibility f;
  f.ll = overSpan(s, points, [&](double x) { return mL(x) * mL(x); });
  f.rr = overSpan(s, points, [&](double x) { return mR(x) * mR(x); });
  f.lr = overSpan(s, points, [&](double x) { return mL(x) * mR(x); });
  f.l = overSpan(s, points, [&](double x) { return m0(x) * mL(x); });
  f.r = overSpan(s, points, [&](double x) { return m0(x) * mR(x); });
  return f;
}

// One equation per interior support j: lower·M(j−1) + diagonal·M(j) + upper·M(j+1) = rhs.
struct Row {
  double lower = 0, diagonal = 0, upper = 0, rhs = 0;
};

std::vector<Row> equations(const std::vector<Flexibility>& f) {
  std::vector<Row> rows;
  for (std::size_t j = 1; j < f.size(); ++j) {
    rows.push_back({f[j - 1].lr, f[j - 1].rr + f[j].ll, f[j].lr, -(f[j - 1].r + f[j].l)});
  }
  return rows;
}

// Thomas's algorithm; the rows are diagonally dominant (∫m² > ∫mL·mR), so
// no pivoting is needed.
std::vector<double> solveTridiagonal(std::vector<Row> rows) {
  for (std::size_t k = 1; k < rows.size(); ++k) {
    const double w = rows[k].lower / rows[k - 1].diagonal;
    rows[k].diagonal -= w * rows[k - 1].upper;
    rows[k].rhs -= w * rows[k - 1].rhs;
  }
  std::vector<double> x(rows.size());
  for (std::size_t k = rows.size(); k-- > 0;) {
    const double next = k + 1 < rows.size() ? x[k + 1] : 0;
    x[k] = (rows[k].rhs - rows[k].upper * next) / rows[k].diagonal;
  }
  return x;
}

}  // namespace

std::vector<double> breakPoints(const BeamSpan& span) {
  std::vector<double> points = {0, span.length};
  auto inside = [&span](double x) { return x > 0 && x < span.length; };
  for (const StiffnessZone& z : span.zones) {
    for (double x : {z.where.from, z.where.to}) {
      if (inside(x)) points.push_back(x);
    }
  }
  if (span.load.p != 0 && inside(span.load.a)) points.push_back(span.load.a);
  std::sort(points.begin(), points.end());
  points.erase(std::unique(points.begin(), points.end()), points.end());
  return points;
}

double stiffnessFactor(const BeamSpan& span, double x) {
  for (const StiffnessZone& z : span.zones) {
    if (z.where.contains(x)) return z.factor;
  }
  return 1;
}

std::vector<double> supportMoments(const std::vector<BeamSpan>& spans) {
  std::vector<Flexibility> f;
  for (const BeamSpan& s : spans) f.push_back(flexibilityOf(s));
  std::vector<double> moments = {0};
  for (double m : solveTridiagonal(equations(f))) moments.push_back(m);
  moments.push_back(0);
  return moments;
}

}  // namespace veldrin::line
