#pragma once
// The checks of a purlin to GB 51022-2015 with the section checks of
// GB 50018-2002: every check computed first, with the record its verdict
// line is written from.
#include <array>
#include <vector>

#include "basetypes/checkresult.h"
#include "calc/gb51022/loads.h"
#include "calc/gb51022/moments.h"
#include "calc/gb51022/section.h"
#include "calc/gb51022/steel.h"

namespace veldrin::gb51022 {

// One sense of My at one span section: the gross stresses that shape the
// effective section, and the stresses on it (8.1.1-1).
struct SenseState {
  MySense sense = MySense::TowardLips;
  CornerStresses gross;
  EffectiveSection section;
  CornerStresses stress;
};

// Strength at one span section; the records keep the worse sense.
struct SectionStrength {
  SpanMoments moments;
  std::array<SenseState, 2> senses;
  CheckResult upper, lower;
};

// GB 51022 9.1.5-2: τ = 3V/(2·h0·t), h0 = h − 6t.
struct ShearCheck {
  double v = 0;    // KN
  double h0 = 0;   // mm
  double tau = 0;  // MPa, as shown
  CheckResult record;
};

// GB 50018-2002 A.2.1 on the gross section.
struct StabilityFactors {
  bool suction = false;  // the lower flange is compressed
  double mub = 1, xi1 = 0, xi2 = 0, ea = 0, l0 = 0, iy = 0, lambdaY = 0, zeta = 0, eta = 0;
  double phi = 0;      // φbx of A.2.1-1
  double phiUsed = 0;  // φ′bx = 1.091 − 0.274/φbx above 0.7, at most 1.0
};

// 8.1.1-2 at one span section: σ = Mx/(φbx·Wex) + My/Wey at the two points of
// the compressed flange, for each sense of My; the record keeps the largest in size.
struct StabilitySection {
  SpanMoments moments;
  std::array<double, 2> webPoint{}, lipPoint{};  // per sense, MPa as shown
  // The terms the report writes them from: Mx/(φbx·Wex), and My/Wey at the
  // web and at the lips with their signs; per sense, MPa as shown.
  std::array<double, 2> bending{}, webLateral{}, lipLateral{};
  CheckResult record;
};

struct CombinationChecks {
  Combination combination;
  std::vector<SectionStrength> strength;
  ShearCheck shear;
  bool stabilityChecked = false;  // gravity with restraining sheeting is not checked
  StabilityFactors factors;
  std::vector<StabilitySection> stability;
};

struct DeflectionCheck {
  Combination combination;
  double qk = 0;     // KN/m normal to the roof
  double v = 0;      // mm, as shown
  double ratio = 0;  // L/|v| as shown; 0 without deflection
  int limit = 0;     // 150, 240 or 360
  CheckResult record;
};

// GB 50018-2002 Table 4.3.2 on the flat widths.
struct RatioCheck {
  PlateKind kind = PlateKind::Stiffened;
  double width = 0;  // mm
  double ratio = 0;  // width/t as shown
  double limit = 0;
  CheckResult record;
};

struct PurlinChecks {
  Steel steel;
  GrossSection gross;
  Loads loads;
  std::vector<CombinationChecks> ultimate;
  std::array<RatioCheck, 3> ratios;  // flange, web, lip
  std::vector<DeflectionCheck> deflections;
};

// Everything for one design case on the given gross section.
PurlinChecks checkPurlin(const DesignCase& dc, const GrossSection& gross);

// The records in report order: strength and shear per combination, stability,
// the width-to-thickness ratios, deflection.
CheckResults recordsOf(const PurlinChecks& checks);

// The pieces a check is made of, usable on their own (and with a section's
// published properties).
SectionStrength strengthAt(const GrossSection& g, const SpanMoments& m, int combination, double f);
StabilityFactors stabilityFactors(const GrossSection& g, const Combination& c, double span, int rods,
                                  bool rodsRestrainLowerFlange, double fy);
StabilitySection stabilityAt(const SectionStrength& s, const StabilityFactors& k, int combination, double f);

}  // namespace veldrin::gb51022
