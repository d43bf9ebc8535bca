// The effective section's strength at the end of section three.
#include "calc/effectivestrength.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/sectionproperties.h"
#include "report/governing.h"
#include "support/reportlines.h"
#include "support/scriptedplatform.h"
#include "support/strengthsection.h"

namespace veldrin {
namespace {

using testing::at;

// On strengthTestSection (Ix = 10^7, Iy = 4·10^5, x0 = 20.45, h/2 = 125):
// mx/Ix per 10^6 N·mm is 0.1 MPa/mm and my/Iy per 10^6 is 2.5 MPa/mm. Each
// row's stresses worked out by hand from σ = ±mx/Ix·(h/2 ∓ yc) ± my/Iy·arm.
TEST(EffectiveSectionStrength, CornerStressesOfTheSelectedCodeAgainstF) {
  struct Row {
    DesignCode code;
    int fy;
    Single centery;
    double mx, my;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      // CECS102:98 counts the centroid offset yc = 10: 115·0.1·10 − 2·20.45 = 74.1 …
      {DesignCode::Cecs102, 215, 10, 10e6, 0.8e6,
       {at(7, "荷载组合三有效截面应力(Ix=10000000,Iy=400000):"),
        at(11, "σ7=74.1MPa;σ8=224.1MPa;σ3=-25.9MPa;σ4=-175.9MPa"),
        at(11, "有效截面最大应力|σ|=224.1MPa>f=215MPa,不满足强度要求!(************)")}},
      // GBJ18-87 leaves it out (yc = 0) and compares with 205.
      {DesignCode::Gbj18, 205, 10, 10e6, 0.8e6,
       {at(7, "荷载组合三有效截面应力(Ix=10000000,Iy=400000):"),
        at(11, "σ7=84.1MPa;σ8=234.1MPa;σ3=-15.9MPa;σ4=-165.9MPa"),
        at(11, "有效截面最大应力|σ|=234.1MPa>f=205MPa,不满足强度要求!(************)")}},
      // Uplift: the largest magnitude is a tensile stress; exactly f passes.
      {DesignCode::Cecs102, 215, 0, -17.2e6, 0,
       {at(7, "荷载组合三有效截面应力(Ix=10000000,Iy=400000):"),
        at(11, "σ7=-215MPa;σ8=-215MPa;σ3=215MPa;σ4=215MPa"),
        at(11, "有效截面最大应力|σ|=215MPa<=f=215MPa,满足强度要求!")}},
  };
  for (const Row& row : rows) {
    DesignCase dc = testing::strengthTestSection();
    dc.code = row.code;
    dc.steelfy = static_cast<std::int16_t>(row.fy);
    dc.centery = row.centery;
    const EffectiveSectionCheck c = effectiveSectionCheck(dc, row.mx, row.my);
    writeEffectiveSectionCheck(dc, 3, c);
    EXPECT_EQ(testing::lines(dc), row.lines) << row.fy << " " << row.mx;
    EXPECT_EQ(c.passes, row.lines.back().find("(****") == std::string::npos);
  }
}

// The real C 250×75×20×2.5 of Q235 under CECS102:98 on a flat 2 m span
// without sag rods, gross section computed as the run does.
DesignCase grossCecsSection() {
  DesignCase dc = testing::c250Q235();
  dc.code = DesignCode::Cecs102;
  dc.marlolength = 2;
  dc.degree = 0;
  jiemiantx_code1(dc, dc.h, dc.b, dc.a, dc.t, 125, 125, 37.5, 37.5, 37.5, 37.5);
  return dc;
}

// qy of combinations one to five and six's qy and point load; no load
// along the roof, so the webs are in pure bending (β near −1, λp < 0.8).
LoadCombinations loads(double qy1, double qy6, double Q) {
  LoadCombinations c;
  c[0].qy = qy1;
  c[5].qy = qy6;
  c[5].Q = Q;
  return c;
}

std::vector<std::string> sectionThreeEnd(DesignCase& dc, const LoadCombinations& combos) {
  testing::ScriptedPlatform ui;
  const StrengthChecks checked = strengthSection(dc, ui, combos);
  dc.filestring.clear();
  effectiveSectionStrength(dc, combos, checked);
  return testing::lines(dc);
}

// The block follows whether any check ended with effectflag set: Mx = 20
// KN.m overstresses the web of one (250 MPa > 215 on the gross section), the
// light combination six then clears the flag, and both are checked again on
// the section the first check left; light loads alone give no block.
TEST(EffectiveSectionStrength, WrittenWhenAnyCheckAskedForTheEffectiveSection) {
  DesignCase heavy = grossCecsSection();
  const std::vector<std::string> got = sectionThreeEnd(heavy, loads(40, 1, 1.4));
  EXPECT_FALSE(heavy.effectflag);  // cleared by combination six
  ASSERT_EQ(got.size(), 7u);
  EXPECT_EQ(got[0], at(3, "<有效截面强度验算>"));
  EXPECT_EQ(got[1].rfind(at(7, "荷载组合一有效截面应力(Ix="), 0), 0u);
  EXPECT_NE(got[3].find("不满足强度要求!(************)"), std::string::npos);  // at least 250 MPa
  EXPECT_EQ(got[4].rfind(at(7, "荷载组合六有效截面应力(Ix="), 0), 0u);
  EXPECT_NE(got[6].find("MPa,满足强度要求!"), std::string::npos);

  DesignCase light = grossCecsSection();
  EXPECT_TRUE(sectionThreeEnd(light, loads(1, 1, 1.4)).empty());
}

}  // namespace
}  // namespace veldrin
