// Each decision of the purlin check to GB 51022-2015 pinned by a case.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calc/gb51022/checks.h"
#include "calc/sectionproperties.h"

namespace veldrin::gb51022 {
namespace {

DesignCase defaultCase() {
  DesignCase dc;
  dc.h = 250;
  dc.b = 75;
  dc.a = 20;
  dc.t = 2.5;
  dc.kwindload = 0.75;
  dc.windhigh = 1;
  dc.windstyle = -1.4;
  dc.marlolength = 7.2;
  dc.marlobay = 1.5;
  dc.degree = 0.06;
  dc.kdeadload = 0.12;
  dc.kliveload = 0.3;
  dc.kshigongload = 1;
  dc.steelGrade = 0;
  dc.deflectionLimit = 0;
  return dc;
}

GrossSection grossOf(DesignCase dc) {
  jiemiantx_code2(dc, dc.h, dc.b, dc.a, dc.t, dc.h, dc.b, dc.b);
  return grossSectionOf(dc);
}

std::vector<int> numbers(const Loads& l) {
  std::vector<int> n;
  for (const Combination& c : l.combinations) n.push_back(c.number);
  return n;
}

const Combination& combination(const Loads& l, int number) {
  for (const Combination& c : l.combinations) {
    if (c.number == number) return c;
  }
  throw std::out_of_range("no such combination");
}

TEST(Gb51022Loads, WindFactorIsTheLargerOfTheCodesAndTheMandatoryOne) {
  DesignCase dc = defaultCase();
  EXPECT_NEAR(windOf(dc).beta, 1.7, 1e-12);  // 1 + 0.7/√1
  EXPECT_NEAR(windOf(dc).wk, 1.7 * -1.4 * 1 * 0.75, 1e-12);
  dc.windhigh = 2.5;  // 1 + 0.7/√2.5 = 1.443: the code's 1.5 governs
  EXPECT_NEAR(windOf(dc).betaMandatory, 1.4427, 1e-4);
  EXPECT_DOUBLE_EQ(windOf(dc).beta, 1.5);
}

TEST(Gb51022Loads, TheWindsSignAndTheConstructionLoadChooseTheCombinations) {
  DesignCase dc = defaultCase();
  EXPECT_EQ(numbers(loadsOf(dc)), (std::vector<int>{1, 4, 5, 6, 7}));
  dc.windstyle = 0.5;
  EXPECT_EQ(numbers(loadsOf(dc)), (std::vector<int>{1, 2, 3, 5, 6, 7}));
  dc.kshigongload = 0;
  dc.windstyle = 0;
  EXPECT_EQ(numbers(loadsOf(dc)), (std::vector<int>{1, 6, 7}));
}

TEST(Gb51022Loads, FactorsAndTheResolutionOfEachCombination) {
  DesignCase dc = defaultCase();
  dc.ksnowload = 0.7;  // larger than the live load: snow counts, plus the dust
  dc.kdurtload = 0.3;
  dc.windstyle = 0.5;
  const Loads l = loadsOf(dc);
  EXPECT_DOUBLE_EQ(l.variableLoad, 1.0);
  const double cs = std::cos(std::atan(0.06)), sn = std::sin(std::atan(0.06)), s = 1.5;
  const double wk = 1.7 * 0.5 * 0.75;
  const struct {
    int number;
    double qx, qy, py;
  } cases[] = {
      {1, (1.3 * 0.12 + 1.5) * s * sn, (1.3 * 0.12 + 1.5) * s * cs, 0},
      {2, (1.3 * 0.12 + 1.5) * s * sn, (1.3 * 0.12 + 1.5) * s * cs + 0.9 * wk * s, 0},
      {3, (1.3 * 0.12 + 1.05) * s * sn, (1.3 * 0.12 + 1.05) * s * cs + 1.5 * wk * s, 0},
      {5, 1.3 * 0.12 * s * sn, 1.3 * 0.12 * s * cs, 1.5 * cs},  // no live load with the construction load
      {6, (0.12 + 1.0) * s * sn, (0.12 + 1.0) * s * cs, 0},
      {7, 0.12 * s * sn, 0.12 * s * cs + wk * s, 0},
  };
  for (const auto& c : cases) {
    const Combination& got = combination(l, c.number);
    EXPECT_NEAR(got.qx, c.qx, 1e-12) << c.number;
    EXPECT_NEAR(got.qy, c.qy, 1e-12) << c.number;
    EXPECT_NEAR(got.py, c.py, 1e-12) << c.number;
  }
  dc.windstyle = -1.4;  // suction: the dead load relieves at 1.0
  EXPECT_NEAR(combination(loadsOf(dc), 4).qy, 0.12 * s * cs + 1.5 * 1.7 * -1.4 * 0.75 * s, 1e-12);
}

TEST(Gb51022Moments, SagRodsAndThePointLoadShapeTheSpanSections) {
  Combination c;
  c.qx = 1;
  c.qy = 2;
  c.px = 0.5;
  c.py = 3;
  const double L = 6;
  const struct {
    int rods;
    std::vector<SpanMoments> expected;
  } cases[] = {
      {0, {{CheckLocation::Midspan, 2 * 36 / 8.0 + 3 * 6 / 4.0, 36 / 8.0 + 0.5 * 6 / 4.0}}},
      {1, {{CheckLocation::Midspan, 2 * 36 / 8.0 + 3 * 6 / 4.0, 36 / 32.0}}},  // the point load sits on the rod
      {2,
       {{CheckLocation::Midspan, 2 * 36 / 8.0 + 3 * 6 / 4.0, 36 / 360.0 + 0.175 * 0.5 * 2},
        {CheckLocation::Rods, 2 * 36 / 9.0 + 3 * 6 / 6.0, 36 / 90.0 + 0.075 * 0.5 * 2}}},
  };
  for (const auto& k : cases) {
    const std::vector<SpanMoments> got = spanMoments(c, L, k.rods);
    ASSERT_EQ(got.size(), k.expected.size()) << k.rods;
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].location, k.expected[i].location);
      EXPECT_NEAR(got[i].mx, k.expected[i].mx, 1e-12) << k.rods;
      EXPECT_NEAR(got[i].my, k.expected[i].my, 1e-12) << k.rods;
    }
  }
  EXPECT_DOUBLE_EQ(supportShear(c, L), 2 * 6 / 2.0 + 3 / 2.0);
}

TEST(Gb51022Checks, ShearOnTheFlatWebHeight) {
  DesignCase dc = defaultCase();
  const PurlinChecks p = checkPurlin(dc, grossOf(dc));
  const CombinationChecks& first = p.ultimate.front();
  const double v = first.combination.qy * 7.2 / 2;
  EXPECT_DOUBLE_EQ(first.shear.h0, 250 - 15);
  EXPECT_NEAR(first.shear.tau, 3 * v * 1000 / (2 * 235 * 2.5), 0.01);
  EXPECT_EQ(first.shear.record.limit, 125);
}

struct StabilityCase {
  int sheeting;     // Check1
  bool lowerRods;   // Check2
  int rods;
  std::vector<int> checked;  // combinations whose stability is checked
  double suctionMub;
};

TEST(Gb51022Checks, StabilityOfGravityOnlyWithoutRestraintAndOfSuctionAlways) {
  const StabilityCase cases[] = {
      {0, false, 0, {1, 4, 5}, 1.0},
      {1, false, 0, {4}, 1.0},
      {1, false, 1, {4}, 1.0},  // rods at the upper flange do not hold the compressed lower flange
      {1, true, 1, {4}, 0.5},
      {1, true, 2, {4}, 0.33},
  };
  for (const StabilityCase& k : cases) {
    DesignCase dc = defaultCase();
    dc.sheetingRestrains = k.sheeting;
    dc.rodsRestrainLowerFlange = k.lowerRods;
    dc.latiaonum = static_cast<std::int16_t>(k.rods);
    const PurlinChecks p = checkPurlin(dc, grossOf(dc));
    std::vector<int> checked;
    for (const CombinationChecks& c : p.ultimate) {
      if (c.stabilityChecked) checked.push_back(c.combination.number);
      if (c.combination.number == 4) {
        EXPECT_TRUE(c.factors.suction);
        EXPECT_DOUBLE_EQ(c.factors.mub, k.suctionMub);
        EXPECT_DOUBLE_EQ(c.factors.ea, 125);  // away from the shear centre under suction
        EXPECT_EQ(c.stability.front().record.element, CheckElement::Lower);
        EXPECT_EQ(c.stability.size(), k.rods == 2 ? 2u : 1u);
      }
    }
    EXPECT_EQ(checked, k.checked) << k.sheeting << k.lowerRods << k.rods;
  }
}

TEST(Gb51022Checks, GravityAndThePointLoadTakeTheirRowOfTableA21) {
  DesignCase dc = defaultCase();
  dc.latiaonum = 1;
  const PurlinChecks p = checkPurlin(dc, grossOf(dc));
  const StabilityFactors& gravity = p.ultimate[0].factors;
  EXPECT_FALSE(gravity.suction);
  EXPECT_DOUBLE_EQ(gravity.ea, -125);
  EXPECT_DOUBLE_EQ(gravity.xi1, 1.35);
  EXPECT_DOUBLE_EQ(gravity.xi2, 0.14);
  EXPECT_DOUBLE_EQ(gravity.eta, -0.14);
  const StabilityFactors& point = p.ultimate[2].factors;  // combination 5
  EXPECT_EQ(p.ultimate[2].combination.number, 5);
  EXPECT_DOUBLE_EQ(point.xi1, 1.83);
  EXPECT_DOUBLE_EQ(point.xi2, 0);
}

TEST(Gb51022Checks, ReducedFactorAboveSevenTenthsIsAtMostOne) {
  GrossSection g = grossOf(defaultCase());
  Combination c;
  c.qy = 1;
  // A very short span: φbx is large, 1.091 − 0.274/φbx would pass 1.0.
  const StabilityFactors stiff = stabilityFactors(g, c, 0.5, 0, false, 235);
  EXPECT_GT(stiff.phi, 3.1);
  EXPECT_DOUBLE_EQ(stiff.phiUsed, 1.0);
  const StabilityFactors mid = stabilityFactors(g, c, 2.5, 0, false, 235);
  ASSERT_GT(mid.phi, 0.7);
  EXPECT_NEAR(mid.phiUsed, 1.091 - 0.274 / mid.phi, 1e-12);
  const StabilityFactors slender = stabilityFactors(g, c, 12, 0, false, 235);
  ASSERT_LE(slender.phi, 0.7);
  EXPECT_DOUBLE_EQ(slender.phiUsed, slender.phi);
}

// A thin deep section under heavy load: the web and the upper flange lose
// part of their width, so the effective stresses exceed the gross ones, and
// the worse sense of My is the one kept.
TEST(Gb51022Checks, ReducedElementsRaiseTheStressAndTheWorseSenseIsKept) {
  DesignCase dc = defaultCase();
  dc.h = 300;
  dc.b = 80;
  dc.t = 1.5;
  const GrossSection g = grossOf(dc);
  const SpanMoments m{CheckLocation::Midspan, 20, 1};
  const SectionStrength s = strengthAt(g, m, 1, 215);
  for (const SenseState& st : s.senses) {
    EXPECT_FALSE(st.section.full());
    EXPECT_LT(st.section.fibres.ix, g.ix);
    EXPECT_GT(st.stress.s7, st.gross.s7);
    EXPECT_FALSE(st.section.lower.compressed);  // tension parts stay whole
  }
  EXPECT_FALSE(s.senses[0].section.web.fullyEffective());
  const double lips = std::max(std::fabs(s.senses[0].stress.s7), std::fabs(s.senses[0].stress.s8));
  const double web = std::max(std::fabs(s.senses[1].stress.s7), std::fabs(s.senses[1].stress.s8));
  EXPECT_NEAR(s.upper.demand, std::max(lips, web), 0.01);
  EXPECT_EQ(s.upper.passes, s.upper.demand <= 215);
}

TEST(Gb51022Checks, WidthToThicknessLimitsByGrade) {
  DesignCase dc = defaultCase();
  const GrossSection g = grossOf(dc);
  const struct {
    int grade;
    double flange, web, lip;
  } cases[] = {{0, 60, 250, 45}, {1, 50, 200, 35}};
  for (const auto& k : cases) {
    dc.steelGrade = k.grade;
    const PurlinChecks p = checkPurlin(dc, g);
    EXPECT_EQ(p.ratios[0].limit, k.flange);
    EXPECT_EQ(p.ratios[1].limit, k.web);
    EXPECT_EQ(p.ratios[2].limit, k.lip);
  }
  const PurlinChecks p = checkPurlin(dc, g);
  EXPECT_DOUBLE_EQ(p.ratios[0].ratio, 24);  // (75 − 15)/2.5
  EXPECT_DOUBLE_EQ(p.ratios[1].ratio, 94);  // (250 − 15)/2.5
  EXPECT_DOUBLE_EQ(p.ratios[2].ratio, 5);   // (20 − 7.5)/2.5
}

TEST(Gb51022Checks, DeflectionOfBothServiceabilityCombinationsAgainstTheChosenLimit) {
  DesignCase dc = defaultCase();
  dc.deflectionLimit = 2;  // 1/360
  const GrossSection g = grossOf(dc);
  const PurlinChecks p = checkPurlin(dc, g);
  ASSERT_EQ(p.deflections.size(), 2u);
  for (const DeflectionCheck& d : p.deflections) {
    const double v = 5 * d.qk * std::pow(7200.0, 4) / (384 * 206000 * g.ix);
    EXPECT_NEAR(d.v, v, 0.01);
    EXPECT_EQ(d.limit, 360);
    EXPECT_EQ(d.record.passes, d.ratio >= 360);
    EXPECT_NEAR(d.record.utilisation, 360 / d.ratio, 0.001);
  }
  EXPECT_LT(p.deflections[1].v, 0);  // D + W lifts the purlin
  EXPECT_EQ(p.deflections[1].record.quantity, "wind");
}

TEST(Gb51022Checks, RecordsComeInReportOrder) {
  DesignCase dc = defaultCase();
  const PurlinChecks p = checkPurlin(dc, grossOf(dc));
  const CheckResults r = recordsOf(p);
  // Strength (upper, lower) and shear for 1, 4, 5; stability of 1, 4, 5; three ratios; two deflections.
  ASSERT_EQ(r.size(), 9u + 3u + 3u + 2u);
  EXPECT_EQ(r[0].section, CheckSection::Strength);
  EXPECT_EQ(r[2].section, CheckSection::Shear);
  EXPECT_EQ(r[9].section, CheckSection::Stability);
  EXPECT_EQ(r[12].section, CheckSection::Ratio);
  EXPECT_EQ(r[15].section, CheckSection::Deflection);
  EXPECT_EQ(r[16].combination, 7);
}

// The compressed lip is an unstiffened element restrained by its flange: the
// default case's suction (combination four, My toward the lips) takes the
// lower lip's flat 12.5 mm down to 11.35 mm, and its strip leaves the section.
TEST(Gb51022Checks, ACompressedLipLosesPartOfItsWidth) {
  DesignCase dc = defaultCase();
  const GrossSection g = grossOf(dc);
  const Loads loads = loadsOf(dc);  // the combination below refers into it
  const Combination& suction = combination(loads, 4);
  const SectionStrength s = strengthAt(g, spanMoments(suction, 7.2, 0).front(), 4, 215);
  const EffectiveSection& e = s.senses[0].section;
  EXPECT_FALSE(e.upperLip.compressed);
  const Element& lip = e.lowerLip;
  ASSERT_TRUE(lip.compressed);
  EXPECT_TRUE(lip.maxAtSupport);        // the corner is more compressed than the tip
  EXPECT_NEAR(lip.psi, 0.8427, 0.001);  // the tip lies a = 20 mm in from the corner
  EXPECT_NEAR(lip.k, 1.70 - 3.025 * lip.psi + 1.75 * lip.psi * lip.psi, 1e-12);
  EXPECT_NEAR(lip.k1, 0.2136, 0.0005);  // ξ = (60/12.5)·√(k/k of the flange) = 3.047
  EXPECT_EQ(lip.width.formula, 2);
  EXPECT_NEAR(lip.width.be, 11.357, 0.01);
  // The lip's strip comes off the area the reduced flange and web leave.
  EXPECT_NEAR(e.area, 967.9 - 2.5 * (12.5 - lip.width.be), 0.02);
  EXPECT_GT(s.lower.demand, 384.35) << "the plates alone gave 384.35 MPa";
}

}  // namespace
}  // namespace veldrin::gb51022
