#include "calc/line/pointenvelope.h"

#include <algorithm>
#include <cmath>

namespace veldrin::line {

namespace {

constexpr int kDivisions = 20;
constexpr double kSearchTolerance = 1e-7;  // × the span, where the search stops
const double kGolden = (std::sqrt(5.0) - 1) / 2;

std::vector<PointPosition> positionsOf(const PurlinLine& line) {
  std::vector<PointPosition> out;
  for (int i = 0; i < line.spanCount(); ++i) {
    const double L = line.length(i);
    for (int k = 1; k < kDivisions; ++k) out.push_back({PointSite::Twentieth, i, L * k / kDivisions, k});
    int rod = 0;
    for (double x : line.rodPositions(i)) out.push_back({PointSite::Rod, i, x, ++rod});
    out.push_back({PointSite::SupportFace, i, 0, i});
    out.push_back({PointSite::SupportFace, i, L, i + 1});
  }
  return out;
}

// What one position of P gives at the checked place: the value (a moment or
// a shear, in Extreme's moment) and its section; none where it gives nothing.
using Outcome = std::optional<Extreme>;

// Where f peaks on [lo, hi], f unimodal there, to within tolerance.
template <class F>
double goldenMaximum(F f, double lo, double hi, double tolerance) {
  double u = hi - kGolden * (hi - lo), w = lo + kGolden * (hi - lo);
  double fu = f(u), fw = f(w);
  while (hi - lo > tolerance) {
    if (fu >= fw) {
      hi = w, w = u, fw = fu, u = hi - kGolden * (hi - lo), fu = f(u);
    } else {
      lo = u, u = w, fu = fw, w = lo + kGolden * (hi - lo), fw = f(w);
    }
  }
  return fu >= fw ? u : w;
}

}  // namespace

PointLoadEnvelope::PointLoadEnvelope(const PurlinLine& line, std::vector<double> q, double p)
    : line_(line), q_(std::move(q)), p_(p), positions_(positionsOf(line)) {
  for (const PointPosition& where : positions_) cases_.push_back(forcesWith(where));
}

LineForces PointLoadEnvelope::forcesWith(const PointPosition& where) const {
  return lineForces(line_, {q_, PointLoad{where.span, where.x, p_}});
}

// The position with the largest sense × value: the listed ones, the extra
// ones, then the search around the best of them. The first of equals stays.
template <class Evaluate>
std::optional<Governing> PointLoadEnvelope::search(Evaluate evaluate, double sense,
                                                   const std::vector<PointPosition>& extra) const {
  std::optional<Governing> best;
  auto consider = [&](const LineForces& f, const PointPosition& where) {
    const Outcome o = evaluate(f);
    if (o && (!best || sense * o->moment > sense * best->value)) best = Governing{o->moment, o->x, where};
  };
  for (std::size_t c = 0; c < cases_.size(); ++c) consider(cases_[c], positions_[c]);
  for (const PointPosition& where : extra) consider(forcesWith(where), where);
  if (best) refine(*best, evaluate, sense);
  return best;
}

// Golden section over one twentieth either side of the best position, in
// its span; the result replaces the best only where it is worse still.
template <class Evaluate>
void PointLoadEnvelope::refine(Governing& best, Evaluate evaluate, double sense) const {
  const int span = best.position.span;
  const double L = line_.length(span), step = L / kDivisions;
  auto outcome = [&](double x) { return evaluate(forcesWith({PointSite::Searched, span, x, 0})); };
  auto score = [&](double x) {
    const Outcome o = outcome(x);
    return o ? sense * o->moment : -HUGE_VAL;
  };
  const double lo = std::max(0.0, best.position.x - step), hi = std::min(L, best.position.x + step);
  const double x = goldenMaximum(score, lo, hi, kSearchTolerance * L);
  const Outcome found = outcome(x);
  // Only a real gain renames the position: rounding near a listed one is none.
  const double gain = kSearchTolerance * (std::fabs(best.value) + std::fabs(p_) * L);
  if (found && sense * found->moment > sense * best.value + gain) {
    best = {found->moment, found->x, {PointSite::Searched, span, x, 0}};
  }
}

MomentRange PointLoadEnvelope::momentAt(int span, double x) const {
  const std::vector<PointPosition> here = {{PointSite::Section, span, x, 0}};
  auto evaluate = [span, x](const LineForces& f) -> Outcome {
    return Extreme{f.spans[static_cast<std::size_t>(span)].moment(x), x};
  };
  return {*search(evaluate, 1, here), *search(evaluate, -1, here)};
}

// P on the part's ends and on the sections where the uniform load alone
// peaks: the moment under P peaks where P stands.
std::vector<PointPosition> PointLoadEnvelope::sectionsOf(int span, Interval part) const {
  std::vector<double> xs = {part.from, part.to};
  const SpanForces uniform = lineForces(line_, {q_, {}}).spans[static_cast<std::size_t>(span)];
  for (const std::optional<Extreme>& e : {largestSagging(uniform, part), largestHogging(uniform, part)}) {
    if (e) xs.push_back(e->x);
  }
  std::vector<PointPosition> out;
  for (double x : xs) out.push_back({PointSite::Section, span, x, 0});
  return out;
}

PartExtremes PointLoadEnvelope::momentOver(int span, Interval part) const {
  const std::size_t i = static_cast<std::size_t>(span);
  const std::vector<PointPosition> sections = sectionsOf(span, part);
  auto sagging = [i, part](const LineForces& f) { return largestSagging(f.spans[i], part); };
  auto hogging = [i, part](const LineForces& f) { return largestHogging(f.spans[i], part); };
  return {search(sagging, 1, sections), search(hogging, -1, sections)};
}

Governing PointLoadEnvelope::shearAt(int span, double x) const {
  const std::vector<PointPosition> here = {{PointSite::Section, span, x, 0}};
  auto magnitude = [span, x](const LineForces& f) -> Outcome {
    return Extreme{std::fabs(f.spans[static_cast<std::size_t>(span)].largerShear(x)), x};
  };
  Governing g = *search(magnitude, 1, here);
  g.value = forcesWith(g.position).spans[static_cast<std::size_t>(span)].largerShear(x);
  return g;
}

}  // namespace veldrin::line
