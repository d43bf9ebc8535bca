#include "calc/stability.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basetypes/runstop.h"

namespace veldrin {
namespace {

// A 1 m span with round gross-section values: √(Iy/A) = 10 and ζ = 1.92, so
// that under a downward load (ea = −h/2, η = −0.46) √(η²+ζ)+η = 1.46 − 0.46 = 1
// and ψb = 9763200/Ix·235/fy by hand. The current section equals the gross one.
DesignCase roundCase(double ix = 9.76e6, std::int16_t fy = 235) {
  DesignCase dc;
  dc.h = 200;
  dc.b = 75;
  dc.marlolength = 1;
  dc.steelfy = fy;
  dc.steelfyk = fy;
  dc.area = 1000;
  dc.iy = 1e5;
  dc.ix = ix;
  dc.iw = 1.92e9;
  dc.centerx = 32;
  dc.gross = {dc.area, dc.ix, dc.iy, dc.it, dc.iw};
  return dc;
}

std::vector<std::string> reportLines(const DesignCase& dc) {
  std::vector<std::string> lines;
  const std::string& text = dc.filestring.str();
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

bool hasLine(const DesignCase& dc, const std::string& line) {
  for (const std::string& l : reportLines(dc)) {
    if (l == line) return true;
  }
  return false;
}

TEST(Stability, WritesEveryLineOfTheDerivationWithItsIndent) {
  DesignCase dc = roundCase();
  stability_code2(dc, 0, 8, 0, 0);
  const std::vector<std::string> expected = {
      "      檩条跨间无侧向支撑点的稳定计算参数为:",
      "        ζ1=1.13; ζ2=0.46",
      "      檩条侧向计算长度为L0=μb*L=1*1000=1000mm",
      "      檩条弯矩作用平面外的长细比λy=L0/Sqr(Iy/A)=1000/Sqr(100000/1000)=100",
      "         ea=-100mm(荷载作用于上翼缘,指向弯心取负值,背离弯心取正值)",
      "         ζ=4*Iω/(h^2*Iy)+0.156*It/Iy*(L0/h)^2=4*1920000000/(200^2*100000)+0.156*0/100000*(1000/200)^2=1.92",
      "         η=2*ζ2*ea/h=2*0.46*(-100)/200=-0.46",
      "         ψb=4320*A*h*ζ1/(λy^2*Ix)*h/2*(Sqr(η^2+ζ)+η)*(235/fy)",
      "            =4320*1000*200*1.13/(100^2*9760000)*200/2*(Sqr((-0.46)^2+1.92)+(-0.46))*(235/235)",
      "            =1",
      "      因为ψb>0.7,所以ψb=1.091-0.274/ψb＝1.091-0.274/1＝0.817",
      "         最大应力为σ8=mx*h/(2*ψb * ix)+my/iy*(b-x0)＝1000000*200/(2*0.817*9760000)+0/100000*(75-32)=12.54<=fy",
      "   本荷载组合满足檁条稳定要求!",
  };
  EXPECT_EQ(reportLines(dc), expected);
  EXPECT_EQ(dc.mub, 1.0);
  EXPECT_EQ(dc.zeta1, 1.13);
  EXPECT_EQ(dc.zeta2, 0.46);
  EXPECT_DOUBLE_EQ(dc.mx, 1e6);
  EXPECT_EQ(dc.my, 0);
}

TEST(Stability, PsiBIsReducedOnlyStrictlyAboveSevenTenths) {
  DesignCase at700 = roundCase(1.394e7);  // ψb = 0.70037 → 0.700
  stability_code2(at700, 0, 8, 0, 0);
  EXPECT_TRUE(hasLine(at700, "            =0.7"));
  EXPECT_EQ(at700.filestring.str().find("因为ψb>0.7"), std::string::npos);

  DesignCase at701 = roundCase(1.3925e7);  // ψb = 0.70113 → 0.701
  stability_code2(at701, 0, 8, 0, 0);
  EXPECT_TRUE(hasLine(at701, "      因为ψb>0.7,所以ψb=1.091-0.274/ψb＝1.091-0.274/0.701＝0.7"));
}

// Section values giving ψb = 0.5 with fy = 215: the bending term is mx/106700
// and the weak-axis term my/10^5·(75 − 63.5).
DesignCase halfPsiCase(std::int16_t fy = 215) {
  DesignCase dc = roundCase(21.34e6, fy);
  dc.centerx = 63.5;
  return dc;
}

TEST(Stability, StressEqualToFyPassesAndAboveFails) {
  DesignCase dc = halfPsiCase();
  stability_code2(dc, 8, 85.36, 0, 0);
  EXPECT_TRUE(hasLine(dc, "         最大应力为σ8=mx*h/(2*ψb * ix)+my/iy*(b-x0)＝10670000*200/(2*0.5*21340000)+"
                          "1000000/100000*(75-63.5)=215<=fy"));
  EXPECT_EQ(reportLines(dc).back(), "   本荷载组合满足檁条稳定要求!");

  DesignCase weaker = halfPsiCase(214);
  stability_code2(weaker, 8, 85.36, 0, 0);
  EXPECT_NE(weaker.filestring.str().find("(75-63.5)=214.6>fy\r\n"), std::string::npos);  // ψb = 0.502
  EXPECT_EQ(reportLines(weaker).back(), "   本荷载组合不满足檁条稳定要求!(**************)");
}

TEST(Stability, ZeroLoadIsDownwardAndUpliftUsesPointThreeWithBothMinusSigns) {
  DesignCase zero = halfPsiCase();
  stability_code2(zero, 8, 0, 0, 0);
  EXPECT_TRUE(hasLine(zero, "         最大应力为σ8=mx*h/(2*ψb * ix)+my/iy*(b-x0)＝0*200/(2*0.5*21340000)+"
                            "1000000/100000*(75-63.5)=115<=fy"));

  // Uplift: ea = +100, η = +0.46, so √(η²+ζ)+η = 1.92 and ψb = 0.5·1.92 = 0.96,
  // corrected to 1.091 − 0.274/0.96 = 0.80558 → 0.805 (by hand).
  DesignCase uplift = halfPsiCase();
  stability_code2(uplift, 8, -85.36, 0, 0);
  EXPECT_TRUE(hasLine(uplift, "         最大应力为σ3=-mx*h/(2*ψb * ix)+my/iy*(b-x0)＝-(-10670000)*200/(2*0.805*21340000)+"
                              "1000000/100000*(75-63.5)=177.11<=fy"));
}

// GB 50018-2002 Table A.2.1 rows and A.2.1's η = 2·ζ2·ea/h with the load on
// the upper flange: ea = −h/2 toward the shear centre (qy >= 0), +h/2 away
// from it (uplift). ψb values worked out by hand (python, outside the
// program) from ψb = 4320·A·h·ζ1/(λy²·Ix)·h/2·(√(η²+ζ)+η), ζ = 1.92.
TEST(Stability, TableRowsAndLoadEccentricityGiveTheCodesFactor) {
  struct Row {
    Single Q;
    std::int16_t rods;
    Single qy;
    const char* coefficients;
    const char* ea;
    const char* eta;
    const char* psiB;  // before the inelastic correction
  };
  const Row rows[] = {
      {0, 0, 8, "ζ1=1.13; ζ2=0.46", "-100", "2*0.46*(-100)/200=-0.46", "=1"},
      {0, 0, -8, "ζ1=1.13; ζ2=0.46", "100", "2*0.46*(100)/200=0.46", "=1.92"},
      {0, 1, 8, "ζ1=1.35; ζ2=0.14", "-100", "2*0.14*(-100)/200=-0.14", "=5.988"},
      {0, 2, -8, "ζ1=1.37; ζ2=0.06", "100", "2*0.06*(100)/200=0.06", "=16.114"},
      {2, 0, 8, "ζ1=1.35; ζ2=0.55", "-100", "2*0.55*(-100)/200=-0.55", "=1.124"},
      {2, 0, -8, "ζ1=1.35; ζ2=0.55", "100", "2*0.55*(100)/200=0.55", "=2.438"},
      {2, 1, 8, "ζ1=1.83; ζ2=0.00", "-100", "2*0*(-100)/200=0", "=8.978"},
      {2, 2, 8, "ζ1=1.68; ζ2=0.08", "-100", "2*0.08*(-100)/200=-0.08", "=17.862"},
  };
  for (const Row& row : rows) {
    DesignCase dc = roundCase();
    stability_code2(dc, 0, row.qy, row.Q, row.rods);
    const std::string where = std::string(row.coefficients) + " qy " + numText(row.qy);
    EXPECT_TRUE(hasLine(dc, std::string("        ") + row.coefficients)) << where;
    EXPECT_TRUE(hasLine(dc, std::string("         ea=") + row.ea + "mm(荷载作用于上翼缘,指向弯心取负值,背离弯心取正值)"))
        << where;
    EXPECT_TRUE(hasLine(dc, std::string("         η=2*ζ2*ea/h=") + row.eta)) << where;
    EXPECT_TRUE(hasLine(dc, std::string("            ") + row.psiB)) << where;
  }
}

// 235/fy of ψb takes the yield strength: Q345 under GBJ18-87 (fy = 300,
// fyk = 345) gives ψb = 1.000327·235/345 = 0.6814 → 0.681 (by hand).
TEST(Stability, SteelFactorTakesTheYieldStrength) {
  DesignCase dc = roundCase();
  dc.steelfy = 300;
  dc.steelfyk = 345;
  stability_code2(dc, 0, 8, 0, 0);
  EXPECT_TRUE(hasLine(dc, "            =4320*1000*200*1.13/(100^2*9760000)*200/2*(Sqr((-0.46)^2+1.92)+(-0.46))*(235/345)"));
  EXPECT_TRUE(hasLine(dc, "            =0.681"));
}

// GB 50018-2002 4.1.9: ψb and λy come from the gross section; the stress of
// the last line uses the section as it stands (here an effective one).
TEST(Stability, FactorOnTheGrossSectionStressOnTheCurrentOne) {
  DesignCase dc = roundCase();
  dc.area = 900;
  dc.ix = 8e6;
  dc.iy = 9e4;
  dc.it = 5;
  dc.iw = 1e6;
  stability_code2(dc, 0.8, 8, 0, 0);
  EXPECT_TRUE(hasLine(dc, "      檩条弯矩作用平面外的长细比λy=L0/Sqr(Iy/A)=1000/Sqr(100000/1000)=100"));
  EXPECT_TRUE(hasLine(dc, "            =4320*1000*200*1.13/(100^2*9760000)*200/2*(Sqr((-0.46)^2+1.92)+(-0.46))*(235/235)"));
  // 10^6·200/(2·0.817·8·10^6) + 10^5/(9·10^4)·(75 − 32) = 15.30 + 47.78 = 63.07 (by hand)
  EXPECT_TRUE(hasLine(dc, "         最大应力为σ8=mx*h/(2*ψb * ix)+my/iy*(b-x0)＝1000000*200/(2*0.817*8000000)+"
                          "100000/90000*(75-32)=63.07<=fy"));
}

// Ix a quarter of the round case: ψb = 4.001, corrected 1.091 − 0.274/4.001 =
// 1.0225 → 1.022 > 1.0, so ψb = 1 and σ8 = 10^6·200/(2·1·2.44·10^6) = 40.98.
TEST(Stability, CorrectedFactorAboveOneIsTakenAsOne) {
  DesignCase dc = roundCase(2.44e6);
  stability_code2(dc, 0, 8, 0, 0);
  const std::vector<std::string> got = reportLines(dc);
  const std::vector<std::string> tail(got.end() - 5, got.end());
  const std::vector<std::string> expected = {
      "            =4.001",
      "      因为ψb>0.7,所以ψb=1.091-0.274/ψb＝1.091-0.274/4.001＝1.022",
      "      因为ψb>1.0,取ψb=1.0",
      "         最大应力为σ8=mx*h/(2*ψb * ix)+my/iy*(b-x0)＝1000000*200/(2*1*2440000)+0/100000*(75-32)=40.98<=fy",
      "   本荷载组合满足檁条稳定要求!",
  };
  EXPECT_EQ(tail, expected);
}

TEST(Stability, PointLoadTermsFollowTheRowAndAnyNonZeroLoadSelectsThem) {
  DesignCase none = roundCase();
  none.degree = 0.5;
  stability_code2(none, 8, 8, 2, 0);  // the roof angle, not the slope: α = atan 0.5 floored = 0.463
  EXPECT_DOUBLE_EQ(none.mx, 1.89e6);  // 1 + cos α = 1.8947 (cos 0.5 would give 1.87)
  EXPECT_DOUBLE_EQ(none.my, 1.44e6);  // 1 + sin α = 1.4466 (sin 0.5 would give 1.47)

  DesignCase two = roundCase();
  two.degree = 0.5;
  stability_code2(two, 3.6, 8, 2, 2);
  EXPECT_DOUBLE_EQ(two.my, 0.16e6);  // 0.01 + 0.35·sin α = 0.1663

  DesignCase tiny = roundCase();
  stability_code2(tiny, 0, 8, 1e-6, 0);
  EXPECT_TRUE(hasLine(tiny, "        ζ1=1.35; ζ2=0.55"));
}

// The largest stress of the flange is limited by its size: a negative σ8
// (here My against the slope) fails like a positive one, and its record
// keeps the size.
TEST(Stability, NegativeStressIsJudgedByItsSize) {
  DesignCase dc = roundCase();
  stability_code2(dc, -80, 8, 0, 0);  // 12.54 − 10^7/10^5·43 = −4287.46
  EXPECT_TRUE(hasLine(dc, "         最大应力为σ8=mx*h/(2*ψb * ix)+my/iy*(b-x0)＝1000000*200/(2*0.817*9760000)+"
                          "(-10000000)/100000*(75-32)=-4287.46,|σ8|=4287.46>fy"));
  ASSERT_EQ(dc.checks.size(), 1u);
  EXPECT_EQ(dc.checks[0].demand, 4287.46);
  EXPECT_FALSE(dc.checks[0].passes);
}

TEST(Stability, LateralLengthForEachSagRodCount) {
  const std::vector<std::string> expected = {"1*7200=7200mm", "0.5*7200=3600mm", "0.33*7200=2376mm"};
  for (std::int16_t rods = 0; rods <= 2; ++rods) {
    DesignCase dc = roundCase();
    dc.marlolength = 7.2;
    stability_code2(dc, 0, 8, 0, rods);
    EXPECT_TRUE(hasLine(dc, "      檩条侧向计算长度为L0=μb*L=" + expected[static_cast<std::size_t>(rods)])) << rods;
  }
}

TEST(Stability, RodCountOutsideTheListKeepsThePreviousRow) {
  DesignCase dc = roundCase();
  stability_code2(dc, 0, 8, 0, 1);
  dc.filestring.clear();
  stability_code2(dc, 0, 16, 0, 3);
  EXPECT_EQ(reportLines(dc).front(), "      檩条侧向计算长度为L0=μb*L=0.5*1000=500mm");
  EXPECT_DOUBLE_EQ(dc.mx, 1e12);  // the previous 10^6 N·mm scaled once more
}

TEST(Stability, DivisorsOfZeroStopTheRunInsteadOfWritingInfinity) {
  DesignCase zeroSpan = roundCase();
  zeroSpan.marlolength = 0;
  EXPECT_THROW(stability_code2(zeroSpan, 0, 8, 0, 0), RunRefused);

  DesignCase firstCallOutsideList = roundCase();  // μb never set: L0 = 0
  EXPECT_THROW(stability_code2(firstCallOutsideList, 0, 8, 0, 5), RunRefused);

  DesignCase noWarping = roundCase();
  noWarping.gross.iw = 0;  // ζ = 0.2116 = η², so √(η²+ζ)+η = 0.46 − 0.46 = 0 and ψb = 0
  EXPECT_THROW(stability_code2(noWarping, 0, 8, 0, 0), RunRefused);

  using Gross = DesignCase::GrossSection;
  for (double Gross::*field : {&Gross::area, &Gross::ix, &Gross::iy}) {
    DesignCase dc = roundCase();
    dc.gross.*field = 0;
    EXPECT_THROW(stability_code2(dc, 0, 8, 0, 0), RunRefused);
    EXPECT_EQ(dc.filestring.str(), "");
  }
  for (double DesignCase::*field : {&DesignCase::ix, &DesignCase::iy}) {
    DesignCase dc = roundCase();
    dc.*field = 0;
    EXPECT_THROW(stability_code2(dc, 0, 8, 0, 0), RunRefused);
  }
}

}  // namespace
}  // namespace veldrin
