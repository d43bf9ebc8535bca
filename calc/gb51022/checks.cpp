#include "calc/gb51022/checks.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "basetypes/numbertext.h"

namespace veldrin::gb51022 {

namespace {

constexpr double kNmm = 1e6;  // KN.m → N.mm

double shown(double stress) { return truncateTo(stress, 2); }

const char* locationName(CheckLocation l) { return l == CheckLocation::Rods ? "拉条处" : "跨中"; }

// The clauses each check is made to.
constexpr char kStrengthClause[] = "GB 50018-2002 式8.1.1-1";
constexpr char kStabilityClause[] = "GB 50018-2002 式8.1.1-2";
constexpr char kShearClause[] = "GB 51022-2015 式9.1.5-2";
constexpr char kRatioClause[] = "GB 50018-2002 表4.3.2";
constexpr char kDeflectionClause[] = "GB 51022-2015 表3.3.2";

// A demand against its limit, the values as the report shows them.
CheckResult record(CheckSection section, int combination, CheckElement element, CheckLocation location,
                   const char* quantity, double demand, double limit, const char* unit, std::string name,
                   const char* clause) {
  CheckResult r = checkRecord(section, combination, element, quantity, demand, limit, unit, demand <= limit,
                              std::move(name));
  r.location = location;
  r.clause = clause;
  return r;
}

SenseState senseState(const GrossSection& g, const SpanMoments& m, MySense sense) {
  SenseState s;
  s.sense = sense;
  s.gross = cornerStresses(grossFibres(g), m.mx, m.my, sense);
  s.section = effectiveSection(g, s.gross);
  s.stress = cornerStresses(s.section.fibres, m.mx, m.my, sense);
  return s;
}

double largestUpper(const SenseState& s) { return std::max(std::fabs(shown(s.stress.s7)), std::fabs(shown(s.stress.s8))); }
double largestLower(const SenseState& s) { return std::max(std::fabs(shown(s.stress.s4)), std::fabs(shown(s.stress.s3))); }

ShearCheck shearOf(const GrossSection& g, const Combination& c, double span, double fv) {
  ShearCheck s;
  s.v = supportShear(c, span);
  s.h0 = g.h - 6 * g.t;
  s.tau = shown(3 * s.v * 1000 / (2 * s.h0 * g.t));
  s.record = record(CheckSection::Shear, c.number, CheckElement::Web, CheckLocation::None, "tau", s.tau, fv, "MPa",
                    combinationName(c.number) + " 剪应力", kShearClause);
  return s;
}

// Table A.2.1: ξ1, ξ2 by the lateral supports in the span and the load.
struct TableRow {
  double mub, uniformXi1, uniformXi2, pointXi1, pointXi2;
};
constexpr std::array<TableRow, 3> kTableA21 = {{
    {1.0, 1.13, 0.46, 1.35, 0.55},
    {0.5, 1.35, 0.14, 1.83, 0},
    {0.33, 1.37, 0.06, 1.68, 0.08},
}};

CombinationChecks combinationChecks(const DesignCase& dc, const GrossSection& g, const Steel& steel,
                                    const Combination& c) {
  CombinationChecks cc;
  cc.combination = c;
  const double span = dc.marlolength;
  for (const SpanMoments& m : spanMoments(c, span, dc.latiaonum)) cc.strength.push_back(strengthAt(g, m, c.number, steel.f));
  cc.shear = shearOf(g, c, span, steel.fv);
  const bool suction = cc.strength.front().moments.mx < 0;
  cc.stabilityChecked = suction || dc.sheetingRestrains != 1;  // GB 50018 8.1.2: suction always
  if (!cc.stabilityChecked) return cc;
  cc.factors = stabilityFactors(g, c, span, dc.latiaonum, dc.rodsRestrainLowerFlange, steel.fy);
  for (const SectionStrength& s : cc.strength) cc.stability.push_back(stabilityAt(s, cc.factors, c.number, steel.f));
  return cc;
}

RatioCheck ratioOf(PlateKind kind, double width, double t, double limit, CheckElement element, const char* quantity,
                   const char* name) {
  RatioCheck r;
  r.kind = kind;
  r.width = width;
  r.ratio = truncateTo(width / t, 2);
  r.limit = limit;
  r.record = record(CheckSection::Ratio, 0, element, CheckLocation::None, quantity, r.ratio, limit, "", name,
                    kRatioClause);
  return r;
}

// GB 50018-2002 Table 4.3.2: Q235 45 / 60 / 250, Q345 35 / 50 / 200.
std::array<RatioCheck, 3> ratiosOf(const GrossSection& g, const Steel& steel) {
  const bool q235 = steel.fy == 235;
  return {ratioOf(PlateKind::PartlyStiffened, g.flangeFlat(), g.t, q235 ? 60 : 50, CheckElement::None, "b/t",
                  "翼缘 宽厚比"),
          ratioOf(PlateKind::Stiffened, g.webFlat(), g.t, q235 ? 250 : 200, CheckElement::Web, "h/t", "腹板 高厚比"),
          ratioOf(PlateKind::Unstiffened, g.lipFlat(), g.t, q235 ? 45 : 35, CheckElement::None, "a/t",
                  "卷边 宽厚比")};
}

// v = 5·qk·L⁴/(384·E·Ix), qk normal to the roof; the ratio L/|v| against 1/limit.
DeflectionCheck deflectionOf(const DesignCase& dc, const GrossSection& g, const Combination& c) {
  static constexpr int kLimits[] = {150, 240, 360};
  DeflectionCheck d;
  d.combination = c;
  d.qk = c.qy;
  const double span = dc.marlolength * 1000.0;
  d.v = truncateTo(5 * d.qk * std::pow(span, 4) / (384 * kModulus * g.ix), 2);
  d.ratio = d.v == 0 ? 0 : truncateTo(span / std::fabs(d.v), 1);
  d.limit = dc.deflectionLimit >= 0 && dc.deflectionLimit <= 2 ? kLimits[dc.deflectionLimit] : 150;
  // Only v = 0 is no deflection: beyond ten spans the ratio shows 1/0 and fails.
  d.record = deflectionRecord(c.number, c.number == 6 ? "gravity" : "wind", d.ratio, d.limit,
                              d.v == 0 || d.ratio >= d.limit, d.v, span, combinationName(c.number) + " 挠度");
  d.record.clause = kDeflectionClause;
  return d;
}

}  // namespace

SectionStrength strengthAt(const GrossSection& g, const SpanMoments& m, int combination, double f) {
  SectionStrength s;
  s.moments = m;
  s.senses = {senseState(g, m, MySense::TowardLips), senseState(g, m, MySense::TowardWeb)};
  const double upper = std::max(largestUpper(s.senses[0]), largestUpper(s.senses[1]));
  const double lower = std::max(largestLower(s.senses[0]), largestLower(s.senses[1]));
  const std::string where = combinationName(combination) + " " + locationName(m.location);
  s.upper = record(CheckSection::Strength, combination, CheckElement::Upper, m.location, "sigma", upper, f, "MPa",
                   where + " 上翼缘强度", kStrengthClause);
  s.lower = record(CheckSection::Strength, combination, CheckElement::Lower, m.location, "sigma", lower, f, "MPa",
                   where + " 下翼缘强度", kStrengthClause);
  return s;
}

StabilityFactors stabilityFactors(const GrossSection& g, const Combination& c, double span, int rods,
                                  bool rodsRestrainLowerFlange, double fy) {
  StabilityFactors k;
  const double mxMax = c.qy * span * span / 8 + c.py * span / 4;
  k.suction = mxMax < 0;
  const int supports = k.suction && !rodsRestrainLowerFlange ? 0 : std::clamp(rods, 0, 2);
  const TableRow& row = kTableA21[static_cast<std::size_t>(supports)];
  k.mub = row.mub;
  k.xi1 = c.hasPoint() ? row.pointXi1 : row.uniformXi1;
  k.xi2 = c.hasPoint() ? row.pointXi2 : row.uniformXi2;
  k.ea = k.suction ? g.h / 2 : -g.h / 2;  // load toward the shear centre under gravity, away from it under suction
  k.l0 = k.mub * span * 1000;
  k.iy = std::sqrt(g.iy / g.area);
  k.lambdaY = k.l0 / k.iy;
  k.eta = 2 * k.xi2 * k.ea / g.h;
  k.zeta = 4 * g.iw / (g.h * g.h * g.iy) + 0.156 * g.it / g.iy * std::pow(k.l0 / g.h, 2);
  k.phi = 4320 * g.area * g.h / (k.lambdaY * k.lambdaY * g.wx()) * k.xi1 *
          (std::sqrt(k.eta * k.eta + k.zeta) + k.eta) * (235 / fy);
  k.phiUsed = k.phi > 0.7 ? std::min(1.0, 1.091 - 0.274 / k.phi) : k.phi;
  return k;
}

StabilitySection stabilityAt(const SectionStrength& s, const StabilityFactors& k, int combination, double f) {
  StabilitySection st;
  st.moments = s.moments;
  double largest = 0;
  for (std::size_t i = 0; i < 2; ++i) {
    const Fibres& fb = s.senses[i].section.fibres;
    const double edge = k.suction ? fb.lower : fb.upper;
    const double bending = std::fabs(s.moments.mx) * kNmm * edge / (k.phiUsed * fb.ix);
    const double lateral = (s.senses[i].sense == MySense::TowardWeb ? 1 : -1) * s.moments.my * kNmm / fb.iy;
    st.bending[i] = shown(bending);
    st.webLateral[i] = shown(lateral * fb.web);
    st.lipLateral[i] = shown(-lateral * fb.lips);
    st.webPoint[i] = shown(bending + lateral * fb.web);
    st.lipPoint[i] = shown(bending - lateral * fb.lips);
    // A point that My turns into tension still may not exceed f in size.
    largest = std::max({largest, std::fabs(st.webPoint[i]), std::fabs(st.lipPoint[i])});
  }
  st.record = record(CheckSection::Stability, combination, k.suction ? CheckElement::Lower : CheckElement::Upper,
                     s.moments.location, "sigma", largest, f, "MPa",
                     combinationName(combination) + " " + locationName(s.moments.location) + " 整体稳定",
                     kStabilityClause);
  return st;
}

PurlinChecks checkPurlin(const DesignCase& dc, const GrossSection& gross) {
  PurlinChecks p;
  p.steel = steelOf(dc.steelGrade);
  p.gross = gross;
  p.loads = loadsOf(dc);
  for (const Combination& c : p.loads.combinations) {
    if (c.ultimate()) {
      p.ultimate.push_back(combinationChecks(dc, gross, p.steel, c));
    } else {
      p.deflections.push_back(deflectionOf(dc, gross, c));
    }
  }
  p.ratios = ratiosOf(gross, p.steel);
  return p;
}

CheckResults recordsOf(const PurlinChecks& p) {
  CheckResults r;
  for (const CombinationChecks& c : p.ultimate) {
    for (const SectionStrength& s : c.strength) {
      r.push_back(s.upper);
      r.push_back(s.lower);
    }
    r.push_back(c.shear.record);
  }
  for (const CombinationChecks& c : p.ultimate) {
    for (const StabilitySection& s : c.stability) r.push_back(s.record);
  }
  for (const RatioCheck& c : p.ratios) r.push_back(c.record);
  for (const DeflectionCheck& d : p.deflections) r.push_back(d.record);
  return r;
}

}  // namespace veldrin::gb51022
