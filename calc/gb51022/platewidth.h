#pragma once
// Effective width of one compressed plate element by GB 50018-2002 5.6:
// the buckling coefficient k (5.6.2), the restraint of the adjacent plate k1
// (5.6.3), the effective width (5.6.1) and where it sits (5.6.5).
namespace veldrin::gb51022 {

enum class PlateKind {
  Stiffened,        // 加劲板件: both edges supported (the web)
  PartlyStiffened,  // 部分加劲板件: one edge supported, the other lipped (a flange)
  Unstiffened,      // 非加劲板件: one edge free
};

// k of 5.6.2; psi = σmin/σmax, taken as −1 below −1. maxAtSupport: the larger
// compression is at the supported edge (ignored for stiffened elements).
double bucklingCoefficient(PlateKind kind, double psi, bool maxAtSupport);

// k1' of 5.6.3, the upper bound of k1: 1.7, 2.4, 3.0.
double restraintCap(PlateKind kind);

// k1 of 5.6.3 from ξ = (c/b)·√(k/kc), capped at k1'.
double restraintCoefficient(PlateKind kind, double xi);

struct PlateInput {
  PlateKind kind = PlateKind::Stiffened;
  double width = 0;  // b, the flat width, mm
  double t = 0;
  double sigma1 = 0;  // the larger compression at an edge, MPa (> 0)
  double psi = 1;     // σmin/σmax
  double k = 0;       // of this plate
  double k1 = 1;      // restraint by the adjacent plate
};

struct PlateWidth {
  double alpha = 0;  // 1.15 − 0.15ψ, 1.15 for ψ < 0
  double rho = 0;    // √(205·k1·k/σ1)
  double bc = 0;     // compressed width, mm
  double slenderness = 0;  // b/t
  double lower = 0, upper = 0;  // 18αρ and 38αρ
  int formula = 1;  // 5.6.1-1, -2 or -3
  double be = 0;    // effective width, mm
  double be1 = 0;   // next to the more compressed edge, mm
  double be2 = 0;   // toward the other edge (or the neutral axis), mm
  bool fullyEffective() const { return be >= bc; }
};

PlateWidth plateWidth(const PlateInput& in);

}  // namespace veldrin::gb51022
