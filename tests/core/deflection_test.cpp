#include "calc/deflection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basetypes/runstop.h"

namespace veldrin {
namespace {

constexpr double kDefaultAlpha = 0.059;  // floor(atan 0.06, 0.001)

// The default loads and geometry with round section values: √(Ix/A) = 100,
// √(Iy/A) = 10.
DesignCase defaultCase() {
  DesignCase dc;
  dc.marlolength = 7.2;
  dc.marlobay = 1.5;
  dc.degree = 0.06;
  dc.kdeadload = 0.12;
  dc.kliveload = 0.3;
  dc.kwindload = 0.75;
  dc.windhigh = 1;
  dc.windstyle = -1.4;
  dc.area = 1000;
  dc.ix = 1e7;
  dc.iy = 1e5;
  dc.deflectionLimit = 0;
  return dc;
}

// A flat roof with a unit dead load only: qk = 1 in both cases.
DesignCase unitLoadCase(double ix, int limit) {
  DesignCase dc = defaultCase();
  dc.degree = 0;
  dc.marlobay = 1;
  dc.kdeadload = 1;
  dc.kliveload = 0;
  dc.kwindload = 0;
  dc.ix = ix;
  dc.deflectionLimit = limit;
  return dc;
}

std::vector<std::string> run(DesignCase& dc, double alpha = kDefaultAlpha) {
  slendernessAndDeflection(dc, alpha);
  std::vector<std::string> lines;
  const std::string& text = dc.filestring.str();
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

TEST(Deflection, DefaultCaseWritesEveryLineAndTheWindLiftsThePurlin) {
  DesignCase dc = defaultCase();
  const std::vector<std::string> expected = {
      "   <一>长细比计算",
      "      强轴平面内计算长度为Lx=7200mm",
      "      强轴平面外计算长度为Ly=1*7200=7200mm",
      "      檩条弯矩作用平面内的长细比λx=Lx/Sqr(Ix/A)=7200/Sqr(10000000/1000)=72<=[220],满足要求!",
      "      檩条弯矩作用平面外的长细比λy=Ly/Sqr(Iy/A)=7200/Sqr(100000/1000)=720>[220],不满足要求!(*************)",
      "   <二>在恒载、活载、雪载作用下的变形计算",
      "      线荷载标准值为:",
      "         qk=(qD+qL+qS)*a*cos(α)=(0.12+0.3+0)*1.5*cos(3.38)=0.62KN/m",
      "         f=5*qk*L^4/(384*E*Ix)=5*0.62*7200^4/(384*206000*10000000)=10.53mm",
      "         f/L=10.53/7200=1/683.6<=1/150,挠度满足要求!",
      "   <三>在恒载、风载作用下的变形计算",
      "      线荷载标准值为:",
      "         qk=qD*a*cos(α)+μs*μz*qW*a=0.12*1.5*cos(3.38)-1.4*1*0.75*1.5=-1.4KN/m",
      "         f=5*qk*L^4/(384*E*Ix)=5*(-1.4)*7200^4/(384*206000*10000000)=-23.79mm",
      "         |f|/L=23.79/7200=1/302.7<=1/150,挠度满足要求!",  // 7200/23.78097 = 302.763
  };
  EXPECT_EQ(run(dc), expected);
}

TEST(Deflection, SagRodsShortenTheOutOfPlaneLength) {
  const std::vector<std::string> ly = {"1*7200=7200mm", "0.5*7200=3600mm", "0.33*7200=2376mm"};
  const std::vector<double> mub = {1.0, 0.5, 0.33};
  for (std::int16_t rods = 0; rods <= 2; ++rods) {
    DesignCase dc = defaultCase();
    dc.latiaonum = rods;
    EXPECT_EQ(run(dc).at(2), "      强轴平面外计算长度为Ly=" + ly[static_cast<std::size_t>(rods)]);
    EXPECT_EQ(dc.mub, mub[static_cast<std::size_t>(rods)]);
  }
}

TEST(Deflection, SlendernessIsFlooredBeforeTheLimitOf220) {
  DesignCase justInside = defaultCase();
  justInside.marlolength = 2.20004;
  justInside.ix = 1e5;  // √(Ix/A) = 10: λx = 220.004
  EXPECT_EQ(run(justInside).at(3),
            "      檩条弯矩作用平面内的长细比λx=Lx/Sqr(Ix/A)=2200.04/Sqr(100000/1000)=220<=[220],满足要求!");

  DesignCase justOutside = defaultCase();
  justOutside.marlolength = 2.2001;
  justOutside.ix = 1e5;
  EXPECT_EQ(run(justOutside).at(3),
            "      檩条弯矩作用平面内的长细比λx=Lx/Sqr(Ix/A)=2200.1/Sqr(100000/1000)=220.01>[220],不满足要求!(*************)");
}

TEST(Deflection, RatioIsFlooredBeforeTheSelectedLimit) {
  DesignCase short240 = unitLoadCase(5661900, 1);  // L/f = 239.99
  EXPECT_EQ(run(short240, 0).at(9), "         f/L=30/7200=1/239.9>1/240,挠度不满足要求!(*************)");
  ASSERT_EQ(short240.checks.size(), 4u);  // λx, λy, gravity, wind
  EXPECT_EQ(short240.checks[2].quantity, "gravity");
  EXPECT_DOUBLE_EQ(short240.checks[2].demand, 239.9);
  EXPECT_DOUBLE_EQ(short240.checks[2].limit, 240);
  EXPECT_DOUBLE_EQ(short240.checks[2].utilisation, 1.001);
  EXPECT_FALSE(short240.checks[2].passes);

  DesignCase at240 = unitLoadCase(5663300, 1);  // L/f = 240.049
  EXPECT_EQ(run(at240, 0).at(9), "         f/L=29.99/7200=1/240<=1/240,挠度满足要求!");

  DesignCase at360 = unitLoadCase(5663300, 2);
  EXPECT_EQ(run(at360, 0).at(9), "         f/L=29.99/7200=1/240>1/360,挠度不满足要求!(*************)");
}

// Uplift under wind alone (qk = −1 KN/m on a flat 7.2 m span): the ratio
// is 7200/|f| floored to 0.1, never rounded up. Ix chosen by hand so that
// 7200/|f| = 288.32 and 359.98 (f = −5·7.2⁴·10¹²/(79104000·Ix)).
TEST(Deflection, UpliftRatioIsFlooredLikeGravity) {
  struct Row {
    double ix;
    int limit;
    const char* line;
  };
  const Row rows[] = {
      {6802112.62, 1, "         |f|/L=24.98/7200=1/288.3<=1/240,挠度满足要求!"},
      {8492732.04, 2, "         |f|/L=20.01/7200=1/359.9>1/360,挠度不满足要求!(*************)"},
  };
  for (const Row& row : rows) {
    DesignCase dc = unitLoadCase(row.ix, row.limit);
    dc.kdeadload = 0;
    dc.kwindload = 1;
    dc.windstyle = -1;
    EXPECT_EQ(run(dc, 0).at(14), row.line) << row.ix;
  }
}

TEST(Deflection, NetDownwardWindIsJudgedByItsSize) {
  DesignCase dc = defaultCase();
  dc.windstyle = 1.4;
  dc.deflectionLimit = 1;
  const std::vector<std::string> lines = run(dc);
  EXPECT_EQ(lines.at(12), "         qk=qD*a*cos(α)+μs*μz*qW*a=0.12*1.5*cos(3.38)+1.4*1*0.75*1.5=1.75KN/m");
  EXPECT_EQ(lines.at(14), "         f/L=29.72/7200=1/242.2<=1/240,挠度满足要求!");
}

// The wind load line reads as the sum it is: "+" before a μs >= 0, the
// number's own "-" otherwise.
TEST(Deflection, WindLoadLineSignsTheShapeFactor) {
  struct Row {
    double windstyle;
    const char* line;
  };
  const Row rows[] = {
      {-1.4, "         qk=qD*a*cos(α)+μs*μz*qW*a=0.12*1.5*cos(3.38)-1.4*1*0.75*1.5=-1.4KN/m"},
      {0, "         qk=qD*a*cos(α)+μs*μz*qW*a=0.12*1.5*cos(3.38)+0*1*0.75*1.5=0.17KN/m"},
      {0.3, "         qk=qD*a*cos(α)+μs*μz*qW*a=0.12*1.5*cos(3.38)+0.3*1*0.75*1.5=0.51KN/m"},
  };
  for (const Row& row : rows) {
    DesignCase dc = defaultCase();
    dc.windstyle = row.windstyle;
    EXPECT_EQ(run(dc).at(12), row.line) << row.windstyle;
  }
}

// f = 5·7.2⁴·10¹²/(79104000·2000) = 84932.04 mm, more than ten spans: the
// ratio shows as 1/0 and fails; its utilisation 240·84932.03/7200 = 2831.0677
// (by hand) is rounded up, never left at 0.
TEST(Deflection, DeflectionBeyondTenSpansFailsWithItsUtilisation) {
  DesignCase dc = unitLoadCase(2000, 1);
  EXPECT_EQ(run(dc, 0).at(9), "         f/L=84932.03/7200=1/0>1/240,挠度不满足要求!(*************)");
  ASSERT_EQ(dc.checks.size(), 4u);
  EXPECT_DOUBLE_EQ(dc.checks[2].demand, 0);
  EXPECT_FALSE(dc.checks[2].passes);
  EXPECT_DOUBLE_EQ(dc.checks[2].utilisation, 2831.068);
}

TEST(Deflection, NoLoadMeansNoDeflectionAndPasses) {
  DesignCase dc = defaultCase();
  dc.kdeadload = dc.kliveload = dc.kwindload = 0;
  dc.deflectionLimit = 2;
  const std::vector<std::string> lines = run(dc);
  EXPECT_EQ(lines.at(8), "         f=5*qk*L^4/(384*E*Ix)=5*0*7200^4/(384*206000*10000000)=0mm");
  EXPECT_EQ(lines.at(9), "         f/L=0/7200<=1/360,挠度满足要求!");
  EXPECT_EQ(lines.at(14), "         f/L=0/7200<=1/360,挠度满足要求!");

  DesignCase noSpan = defaultCase();  // the run refuses it; here it must not divide by zero
  noSpan.marlolength = 0;
  EXPECT_EQ(run(noSpan).back(), "         f/L=0/0<=1/150,挠度满足要求!");
}

TEST(Deflection, TheLargerOfSnowAndDustGovernsAndOnlySnowIsFloored) {
  DesignCase dust = defaultCase();
  dust.ksnowload = 0.2;
  dust.kdurtload = 0.5;
  const std::vector<std::string> dustLines = run(dust);
  EXPECT_EQ(dustLines.at(5), "   <二>在恒载、活载、积灰荷载作用下的变形计算");
  EXPECT_EQ(dustLines.at(7), "         qk=(qD+qL+qA)*a*cos(α)=(0.12+0.3+0.5)*1.5*cos(3.38)=1.37759880666742KN/m");

  DesignCase snow = defaultCase();
  snow.ksnowload = 0.5;
  snow.kdurtload = 0.2;
  const std::vector<std::string> snowLines = run(snow);
  EXPECT_EQ(snowLines.at(5), "   <二>在恒载、活载、雪载作用下的变形计算");
  EXPECT_EQ(snowLines.at(7), "         qk=(qD+qL+qS)*a*cos(α)=(0.12+0.3+0.5)*1.5*cos(3.38)=1.37KN/m");
}

TEST(Deflection, ZeroSectionValuesStopTheRunBeforeAnyLine) {
  for (double DesignCase::*field : {&DesignCase::area, &DesignCase::ix, &DesignCase::iy}) {
    DesignCase dc = defaultCase();
    dc.*field = 0;
    EXPECT_THROW(slendernessAndDeflection(dc, kDefaultAlpha), RunRefused);
    EXPECT_EQ(dc.filestring.str(), "");
  }
}

}  // namespace
}  // namespace veldrin
