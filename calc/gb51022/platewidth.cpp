#include "calc/gb51022/platewidth.h"

#include <algorithm>
#include <cmath>

#include "basetypes/numbertext.h"

namespace veldrin::gb51022 {

namespace {

double stiffenedK(double psi) {
  if (psi > 0) return 7.8 - 8.15 * psi + 4.35 * psi * psi;
  return 7.8 - 6.29 * psi + 9.78 * psi * psi;
}

double partlyStiffenedK(double psi, bool maxAtSupport) {
  if (maxAtSupport) return 5.89 - 11.59 * psi + 6.68 * psi * psi;
  return 1.15 - 0.22 * psi + 0.045 * psi * psi;
}

double unstiffenedK(double psi, bool maxAtSupport) {
  if (!maxAtSupport) return 0.567 - 0.213 * psi + 0.071 * psi * psi;
  if (psi > 0) return 1.70 - 3.025 * psi + 1.75 * psi * psi;
  if (psi > -0.4) return 1.70 - 1.75 * psi + 55 * psi * psi;
  return 6.07 - 9.51 * psi + 8.33 * psi * psi;
}

// 5.6.1-1 to -3, as be/t.
double effectiveRatio(const PlateWidth& w, double bcOverT) {
  const double ar = w.alpha * w.rho;
  if (w.formula == 1) return bcOverT;
  if (w.formula == 2) return (std::sqrt(21.8 * ar / w.slenderness) - 0.1) * bcOverT;
  return 25 * ar / w.slenderness * bcOverT;
}

// 5.6.5: a stiffened element compressed over its width shares be by 2/(5 − ψ);
// otherwise 0.4 sits next to the more compressed edge and 0.6 toward the other.
void distribute(PlateKind kind, double psi, PlateWidth& w) {
  const double share = kind == PlateKind::Stiffened && psi >= 0 ? 2 / (5 - psi) : 0.4;
  w.be1 = share * w.be;
  w.be2 = w.be - w.be1;
}

}  // namespace

double bucklingCoefficient(PlateKind kind, double psi, bool maxAtSupport) {
  psi = std::max(psi, -1.0);
  switch (kind) {
    case PlateKind::Stiffened: return stiffenedK(psi);
    case PlateKind::PartlyStiffened: return partlyStiffenedK(psi, maxAtSupport);
    case PlateKind::Unstiffened: return unstiffenedK(psi, maxAtSupport);
  }
  return 0;
}

double restraintCap(PlateKind kind) {
  switch (kind) {
    case PlateKind::Stiffened: return 1.7;
    case PlateKind::PartlyStiffened: return 2.4;
    case PlateKind::Unstiffened: return 3.0;
  }
  return 1;
}

double restraintCoefficient(PlateKind kind, double xi) {
  const double k1 = xi <= 1.1 ? 1 / std::sqrt(xi) : 0.11 + 0.93 / ((xi - 0.05) * (xi - 0.05));
  return std::min(k1, restraintCap(kind));
}

PlateWidth plateWidth(const PlateInput& in) {
  PlateWidth w;
  w.alpha = in.psi < 0 ? 1.15 : 1.15 - 0.15 * in.psi;
  w.rho = std::sqrt(205 * in.k1 * in.k / in.sigma1);
  w.bc = in.psi >= 0 ? in.width : in.width / (1 - in.psi);
  w.slenderness = in.width / in.t;
  w.lower = 18 * w.alpha * w.rho;
  w.upper = 38 * w.alpha * w.rho;
  // Compared as the decimals they print as: 1.15 − 0.15 is 1, not a hair below.
  const double ratio = roundTo15(w.slenderness);
  w.formula = ratio <= roundTo15(w.lower) ? 1 : ratio < roundTo15(w.upper) ? 2 : 3;
  w.be = std::min(effectiveRatio(w, w.bc / in.t) * in.t, w.bc);
  distribute(in.kind, in.psi, w);
  return w;
}

}  // namespace veldrin::gb51022
