#include "calc/effectivewidth.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/reportlines.h"
#include "support/strengthsection.h"

using veldrin::DesignCase;
using veldrin::Single;
using veldrin::truncateTo;
using veldrin::youxiaokuandu_code1;

using veldrin::testing::at;
using veldrin::testing::lines;

namespace {

// A lipped C 250×75×20×2.5 of Q235 (fy = 215, fyk = 235).
DesignCase section() { return veldrin::testing::c250Q235(); }

bool contains(const DesignCase& dc, const std::string& piece) { return dc.filestring.str().find(piece) != std::string::npos; }

}  // namespace

TEST(BucklingCoefficient, PlateTheoryValuesForEveryStressRatio) {
  EXPECT_EQ(truncateTo(veldrin::bucklingCoefficient(1), 3), 4);
  EXPECT_EQ(truncateTo(veldrin::bucklingCoefficient(0), 3), 7.787);
  EXPECT_EQ(truncateTo(veldrin::bucklingCoefficient(-0.5), 3), 13.239);
  EXPECT_EQ(truncateTo(veldrin::bucklingCoefficient(-1), 3), 23.904);  // pure bending
  EXPECT_EQ(truncateTo(veldrin::bucklingCoefficient(-2), 3), 38.365);
}

TEST(ReductionFactor, ThreeRangesOfSlenderness) {
  EXPECT_EQ(veldrin::reductionFactor(0.8), 1);
  EXPECT_EQ(veldrin::reductionFactor(0.801), 0.999);
  EXPECT_EQ(veldrin::reductionFactor(1.0), 0.82);
  EXPECT_EQ(veldrin::reductionFactor(1.2), 0.64);
  EXPECT_EQ(veldrin::reductionFactor(1.5), 0.568);
}

TEST(EffectiveWidth, UniformlyCompressedUpperFlangeIsFullyEffective) {
  DesignCase dc = section();
  youxiaokuandu_code1(dc, 100, 100, dc.b, 1);
  const std::vector<std::string> expected = {
      at(11, "截面边缘正应力比值β=σ7/σ8＝100/100=1"),
      at(11, "kσ=16/(sqrt((1+β)^2+0.112*(1-β)^2)+(1+β))＝4"),
      at(11, "λp=b/(t*28.1*kσ^0.5*(235/fy)^0.5)＝0.533"),  // 75/(2.5·28.1·2) with fyk = 235
      at(11, "因为λp<=0.8,ρ=1.000"),
      at(11, "截面全部受压,be=ρ*bw=1*75=75"),
      at(15, "be11=2*be/(5-β)=2*75/(5-1)=37.5"),
      at(15, "be12= be-be11=75-37.5=37.5"),
      at(15, "be11+be12=37.5+37.5=75>=b=75并且σ7<σ8<fy=215MPa"),
      at(11, "上翼缘满足强度要求!"),
  };
  EXPECT_EQ(lines(dc), expected);
  EXPECT_EQ(dc.be11, 37.5);
  EXPECT_EQ(dc.be12, 37.5);
  EXPECT_EQ(dc.he, 75);
  EXPECT_FALSE(dc.effectflag);
}

// λp's steel factor takes the yield strength: a Q345 flange (fy = 300 under
// GBJ18-87, fyk = 345) of b = 75: 75/(2.5·28.1·2·√(235/345)) = 0.6468 (by hand).
TEST(EffectiveWidth, SlendernessTakesTheYieldStrength) {
  DesignCase dc = section();
  dc.steelfy = 300;
  dc.steelfyk = 345;
  youxiaokuandu_code1(dc, 100, 100, dc.b, 1);
  EXPECT_TRUE(contains(dc, at(11, "λp=b/(t*28.1*kσ^0.5*(235/fy)^0.5)＝0.646\r\n")));
  EXPECT_TRUE(contains(dc, "并且σ7<σ8<fy=300MPa\r\n"));
}

TEST(EffectiveWidth, SlendernessBoundariesChooseTheReductionLine) {
  struct Case {
    double width;
    const char* rhoLine;
    bool reduced;
  };
  // kσ = 4 and fyk = 235 make λp = b / 140.5 for t = 2.5.
  const Case cases[] = {{112.4, "因为λp<=0.8,ρ=1.000", false},
                        {168.6, "因为0.8<λp<=1.2,ρ=1-0.9*(λp-0.8)=0.64", true},
                        {210.75, "因为1.2<λp,ρ=0.64-0.24*(λp-1.2)=0.568", true}};
  for (const Case& c : cases) {
    DesignCase dc = section();
    dc.steelfy = 235;
    youxiaokuandu_code1(dc, 100, 100, Single(c.width), 1);
    EXPECT_TRUE(contains(dc, at(11, c.rhoLine) + "\r\n")) << c.width;
    EXPECT_EQ(dc.effectflag, c.reduced) << c.width;
    EXPECT_EQ(contains(dc, "上翼缘满足强度要求!"), !c.reduced) << c.width;
  }
}

TEST(EffectiveWidth, ReducedFlangeSplitsItsEffectiveWidth) {
  DesignCase dc = section();
  dc.steelfy = 235;
  youxiaokuandu_code1(dc, 100, 100, Single(210.75), 2);
  EXPECT_TRUE(contains(dc, at(11, "截面全部受压,be=ρ*bw=0.568*210.75=119.7\r\n")));
  EXPECT_TRUE(contains(dc, at(15, "be21=2*be/(5-β)=2*119.7/(5-1)=59.85\r\n")));
  EXPECT_TRUE(contains(dc, at(15, "be22=be-be21=119.7-59.85=59.85\r\n")));
  EXPECT_FALSE(contains(dc, "be21+be22="));  // a reduced element gets no sum line
  EXPECT_FALSE(contains(dc, "(************)"));  // nor a stress failure
  EXPECT_EQ(dc.be21, 59.85);
  EXPECT_EQ(dc.be22, 59.85);
}

TEST(EffectiveWidth, WebWithOneEndUnstressedIsPartlyCompressed) {
  DesignCase dc = section();
  youxiaokuandu_code1(dc, 0, 100, dc.h, 3);
  const std::vector<std::string> got = lines(dc);
  ASSERT_EQ(got.size(), 7u);
  EXPECT_EQ(got[0], at(11, "截面边缘正应力比值β=σ4/σ7＝0/100=0"));
  EXPECT_EQ(got[1], at(11, "kσ=16/(sqrt((1+β)^2+0.112*(1-β)^2)+(1+β))＝7.787"));
  EXPECT_EQ(got[2], at(11, "λp=b/(t*28.1*kσ^0.5*(235/fy)^0.5)＝1.275"));  // 250/(70.25·√7.787)
  EXPECT_EQ(got[3], at(11, "因为1.2<λp,ρ=0.64-0.24*(λp-1.2)=0.622"));
  EXPECT_EQ(got[4], at(11, "截面部分受压,he=ρ*hc=0.622*250=155.5"));
  // compression at 7: he1 lies at 7 and is the 0.4 part, each with its own formula
  EXPECT_EQ(got[5], at(15, "he1=0.4*he=0.4*155.5=62.2"));
  EXPECT_EQ(got[6], at(15, "he2=0.6*he+h-hc=0.6*155.5+250-250=93.3"));
  EXPECT_EQ(dc.he1, 62.2);
  EXPECT_EQ(dc.he2, 93.3);
  EXPECT_TRUE(dc.effectflag);
}

TEST(EffectiveWidth, WebInPureBendingUsesTheMendedCoefficient) {
  DesignCase dc = section();
  youxiaokuandu_code1(dc, -100, 100, dc.h, 3);
  const std::vector<std::string> expected = {
      at(11, "截面边缘正应力比值β=σ4/σ7＝-100/100=-1"),
      at(11, "kσ=16/(sqrt((1+β)^2+0.112*(1-β)^2)+(1+β))＝23.904"),
      at(11, "λp=b/(t*28.1*kσ^0.5*(235/fy)^0.5)＝0.727"),  // 250/(70.25·√23.904)
      at(11, "因为λp<=0.8,ρ=1.000"),
      at(11, "截面部分受压,he=ρ*hc=1*125=125"),
      at(15, "he1=0.4*he=0.4*125=50"),
      at(15, "he2=0.6*he+h-hc=0.6*125+250-125=200"),
      at(15, "he1+he2=50+200=250>=h=250并且σ4<σ3<fy=215MPa"),
      at(11, "腹板满足强度要求!"),
  };
  EXPECT_EQ(lines(dc), expected);
  EXPECT_FALSE(dc.effectflag);
}

TEST(EffectiveWidth, WebCompressedAtPointFourTakesTheOtherRatioAndTexts) {
  DesignCase dc = section();
  youxiaokuandu_code1(dc, 120, -100, dc.h, 3);
  // -100/120 = -0.8333 floors to -0.834
  EXPECT_TRUE(contains(dc, at(11, "截面边缘正应力比值β=σ7/σ4＝-100/120=-0.834\r\n")));
  EXPECT_TRUE(contains(dc, "＝19.954\r\n"));
  EXPECT_TRUE(contains(dc, at(11, "截面部分受压,he=ρ*hc=1*136.36=136.36\r\n")));
  EXPECT_TRUE(contains(dc, at(15, "he1=0.6*he+h-hc=0.6*136.36+250-136.36=195.45\r\n")));
  EXPECT_TRUE(contains(dc, at(15, "he2=0.4*he=0.4*136.36=54.54\r\n")));
  EXPECT_TRUE(contains(dc, at(15, "he1+he2=195.45+54.54=249.99>=h=250并且σ3<σ4<fy=215MPa\r\n")));
  EXPECT_TRUE(contains(dc, at(11, "腹板缘满足强度要求!\r\n")));
}

TEST(EffectiveWidth, PartlyCompressedLowerFlange) {
  DesignCase dc = section();
  youxiaokuandu_code1(dc, 100, -50, dc.b, 2);
  const std::vector<std::string> got = lines(dc);
  ASSERT_EQ(got.size(), 9u);
  EXPECT_EQ(got[0], at(11, "截面边缘正应力比值β=σ4/σ3＝-2"));
  EXPECT_EQ(got[1], at(11, "kσ=16/(sqrt((1+β)^2+0.112*(1-β)^2)+(1+β))＝38.365"));
  EXPECT_EQ(got[4], at(11, "截面部分受压,be=ρ*bc=1*50=50"));
  EXPECT_EQ(got[5], at(15, "be21=0.4*be=0.4*50=20"));
  EXPECT_EQ(got[6], at(15, "be22=0.6*be+b-bc=0.6*50+75-50=55"));
  EXPECT_EQ(got[7], at(15, "be21+be22=20+55=75>b=75并且σ4<σ3<fy=215MPa"));
  EXPECT_EQ(got[8], at(11, "下翼缘满足强度要求!"));
}

TEST(EffectiveWidth, FlangeAtExactlyFyPassesAndAboveItFails) {
  DesignCase atFy = section();
  youxiaokuandu_code1(atFy, 215, 215, atFy.b, 1);
  EXPECT_TRUE(contains(atFy, "上翼缘满足强度要求!"));
  EXPECT_FALSE(atFy.effectflag);

  DesignCase above = section();
  youxiaokuandu_code1(above, 215, 215.01, above.b, 1);
  const std::vector<std::string> got = lines(above);
  ASSERT_EQ(got.size(), 8u);
  EXPECT_EQ(got[6], at(15, "be12= be-be11=75-37.49=37.51"));  // β = 0.99995 floors to 0.999
  EXPECT_EQ(got[7], at(11, "檩条上翼缘最大压应力σ8>fy=215MPa,上翼缘不满足强度要求!(************)"));
  EXPECT_EQ(above.labout, "上翼缘应力超标,不满足要求");
  EXPECT_TRUE(above.effectflag);
}

TEST(EffectiveWidth, OverstressedWebAndLowerFlangeGetTheirFailureLines) {
  DesignCase web = section();
  youxiaokuandu_code1(web, -100, 216, web.h, 3);
  EXPECT_EQ(lines(web).back(), at(11, "檩条腹板最大压应力>fy=215MPa,腹板不满足强度要求!(************)"));
  EXPECT_EQ(web.labout, "腹板应力超标,不满足要求");
  EXPECT_TRUE(web.effectflag);

  DesignCase lower = section();
  youxiaokuandu_code1(lower, 200, 230, lower.b, 2);
  EXPECT_EQ(lines(lower).back(), at(11, "檩条下翼缘最大压应力σ3>fy=215MPa,下翼缘不满足强度要求!(************)"));
  EXPECT_EQ(lower.labout, "下翼缘应力超标,不满足要求");

  // Stressed against the usual sense (σ8 in tension), the flange is judged
  // by its largest stress in size, never by a negative one.
  DesignCase upper = section();
  youxiaokuandu_code1(upper, 300, -50, upper.b, 1);
  EXPECT_EQ(lines(upper).back(), at(11, "檩条上翼缘最大应力|σ7|=300MPa>fy=215MPa,上翼缘不满足强度要求!(************)"));
  ASSERT_EQ(upper.checks.size(), 1u);
  EXPECT_EQ(upper.checks[0].demand, 300);
}

TEST(EffectiveWidth, NeverClearsTheFlagAndIgnoresUnknownElements) {
  DesignCase dc = section();
  dc.effectflag = true;
  youxiaokuandu_code1(dc, 100, 100, dc.b, 1);
  EXPECT_TRUE(contains(dc, "上翼缘满足强度要求!"));
  EXPECT_TRUE(dc.effectflag);

  DesignCase other = section();
  other.effectflag = true;
  youxiaokuandu_code1(other, 100, 100, other.b, 4);
  EXPECT_TRUE(other.filestring.str().empty());
  EXPECT_TRUE(other.effectflag);
}

TEST(EffectiveWidthGuards, FlangeWithUnstressedSecondEndTakesBetaZero) {
  DesignCase dc = section();
  ASSERT_NO_THROW(youxiaokuandu_code1(dc, 100, 0, dc.b, 1));
  EXPECT_TRUE(contains(dc, at(11, "截面边缘正应力比值β=σ8/σ7＝0/100=0\r\n")));
  EXPECT_TRUE(contains(dc, "＝7.787\r\n"));
  EXPECT_TRUE(contains(dc, at(15, "be11=0.4*be=0.4*75=30\r\n")));
  EXPECT_TRUE(contains(dc, at(15, "be12=0.6*be+b-bc=0.6*75+75-75=45\r\n")));
  EXPECT_TRUE(contains(dc, "上翼缘满足强度要求!"));

  DesignCase lower = section();
  ASSERT_NO_THROW(youxiaokuandu_code1(lower, 100, 0, lower.b, 2));
  EXPECT_TRUE(contains(lower, at(11, "截面边缘正应力比值β=σ3/σ4＝0\r\n")));
}

TEST(EffectiveWidthGuards, ElementWithoutCompressionIsATensionElement) {
  DesignCase web = section();
  web.he1 = 1;  // left by a flange call
  ASSERT_NO_THROW(youxiaokuandu_code1(web, 0, 0, web.h, 3));
  const std::vector<std::string> got = lines(web);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0], at(11, "腹板两端应力σ4=0MPa,σ7=0MPa,均不是压应力,板件不会局部屈曲,全截面有效,按受拉板件验算强度:"));
  EXPECT_EQ(got[1], at(11, "腹板最大拉应力|σ|=0MPa<=fy=215MPa,腹板满足强度要求!"));
  EXPECT_EQ(web.he, 250);
  EXPECT_EQ(web.he1, 125);
  EXPECT_EQ(web.he2, 125);
  EXPECT_FALSE(web.effectflag);

  DesignCase flange = section();
  ASSERT_NO_THROW(youxiaokuandu_code1(flange, -30, -220, flange.b, 1));
  EXPECT_EQ(lines(flange).back(), at(11, "上翼缘最大拉应力|σ|=220MPa>fy=215MPa,上翼缘不满足强度要求!(************)"));
  EXPECT_EQ(flange.be11, 37.5);
  EXPECT_EQ(flange.labout, "上翼缘应力超标,不满足要求");
  EXPECT_TRUE(flange.effectflag);
}

TEST(EffectiveWidthGuards, FlangeMoreCompressedAtItsFirstEndSplitsFromTheOtherEnd) {
  DesignCase dc = section();
  ASSERT_NO_THROW(youxiaokuandu_code1(dc, 200, 40, dc.b, 1));  // β = 5: 2·be/(5−β) has no value
  EXPECT_TRUE(contains(dc, "＝1.317\r\n"));
  EXPECT_TRUE(contains(dc, at(11, "截面全部受压,be=ρ*bw=0.883*75=66.22\r\n")));  // λp = 0.930, ρ = 1 − 0.9·0.13
  EXPECT_TRUE(contains(dc, at(15, "be12=2*be/(5-1/β)=2*66.22/(5-1/5)=27.59\r\n")));
  EXPECT_TRUE(contains(dc, at(15, "be11=be-be12=66.22-27.59=38.63\r\n")));
  EXPECT_EQ(dc.be11, 38.63);
  EXPECT_EQ(dc.be12, 27.59);

  DesignCase mild = section();
  youxiaokuandu_code1(mild, 100, 50, mild.b, 1);  // β = 2 keeps the usual split
  EXPECT_TRUE(contains(mild, at(15, "be11=2*be/(5-β)=2*75/(5-2)=50\r\n")));
}
