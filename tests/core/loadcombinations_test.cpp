#include "calc/loadcombinations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/reportlines.h"

namespace veldrin {
namespace {

// The window's default texts under CECS102:98.
DesignCase defaultCase() {
  DesignCase dc;
  dc.kwindload = 0.75;
  dc.windhigh = 1.0;
  dc.windstyle = -1.4;
  dc.marlolength = 7.2;
  dc.marlobay = 1.5;
  dc.degree = 0.06;
  dc.kdeadload = 0.12;
  dc.kliveload = 0.3;
  dc.kshigongload = 1.0;
  dc.code = DesignCode::Cecs102;
  dc.adjustfactor = 1.1;
  return dc;
}

constexpr double kDefaultAlpha = 0.059;

// The `count` lines starting at the first line that begins with `heading`.
std::vector<std::string> block(const DesignCase& dc, const std::string& heading, std::size_t count) {
  const std::vector<std::string> lines = testing::reportLines(dc.filestring.str());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind(heading, 0) != 0) continue;
    const std::size_t end = std::min(lines.size(), i + count);
    return {lines.begin() + static_cast<std::ptrdiff_t>(i), lines.begin() + static_cast<std::ptrdiff_t>(end)};
  }
  return {};
}

TEST(LoadCombinationsDefault, RoofAngleOfTheRun) {
  const DesignCase dc = defaultCase();
  EXPECT_DOUBLE_EQ(roofAngle(dc), kDefaultAlpha);
}

TEST(LoadCombinationsDefault, CombinationOneRecordAndLines) {
  DesignCase dc = defaultCase();
  const LoadCombinations combos = loadCombinations(dc, kDefaultAlpha);
  const LoadCombination& one = combos[0];
  EXPECT_DOUBLE_EQ(one.q0, 0.216);
  EXPECT_DOUBLE_EQ(one.q1, 0.63);
  EXPECT_EQ(one.q2, 0.0);
  EXPECT_DOUBLE_EQ(one.sum, 0.846);
  EXPECT_EQ(static_cast<double>(one.qx), 0.04);
  EXPECT_EQ(static_cast<double>(one.qy), 0.84);
  const std::vector<std::string> expected = {
      "   A.荷载组合一<1.2恒+1.4活+1.4雪>",
      "     1.恒载设计值为:q0=1.2*qD*a=1.2*0.12*1.5=0.216KN/m",
      "     2.活载设计值为:q1=1.4*qL*a=1.4*0.3*1.5=0.63KN/m",
      "     3.雪载设计值为:q2=1.4*qS*a=1.4*0*1.5=0KN/m",
      "     荷载组合一线荷载设计值为:",
      "         qA=q0+q1+q2=0.216+0.63+0=0.846KN/m",
      "     x方向线荷载设计值为:",
      "         qx=qA*sin(α)=0.846*sin(3.38)=0.04KN/m",
      "     y方向线荷载设计值为:",
      "         qy=qA*cos(α)=0.846*cos(3.38)=0.84KN/m",
  };
  EXPECT_EQ(block(dc, "   A.", 10), expected);
}

TEST(LoadCombinationsDefault, AllSixInOrderWithNothingBetween) {
  DesignCase dc = defaultCase();
  loadCombinations(dc, kDefaultAlpha);
  const std::vector<std::string> lines = testing::reportLines(dc.filestring.str());
  ASSERT_EQ(lines.size(), 10u + 10u + 8u + 10u + 10u + 12u);
  EXPECT_EQ(lines[10].substr(0, 5), "   B.");
  EXPECT_EQ(lines[20].substr(0, 5), "   C.");
  EXPECT_EQ(lines[28].substr(0, 5), "   D.");
  EXPECT_EQ(lines[38].substr(0, 5), "   E.");
  EXPECT_EQ(lines[48].substr(0, 5), "   F.");
  for (const std::string& l : lines) EXPECT_FALSE(l.empty());
}

TEST(LoadCombinationsDefault, CombinationThreeUnderSuction) {
  DesignCase dc = defaultCase();
  const LoadCombinations combos = loadCombinations(dc, kDefaultAlpha);
  EXPECT_EQ(combos[2].gamma, 1.0);
  EXPECT_DOUBLE_EQ(combos[2].q1, -2.4255);
  EXPECT_EQ(static_cast<double>(combos[2].qx), 0.01);
  EXPECT_EQ(static_cast<double>(combos[2].qy), -2.25);  // -2.2458 floored away from zero
  const std::vector<std::string> expected = {
      "   C.荷载组合三<1.0恒+1.4风>",
      "     1.恒载设计值为:q0=1.0*qD*a=1.0*0.12*1.5=0.18KN/m",
      "     4.风荷载设计值为:q1=1.4*qW*μs*μz*fcw*a=1.4*0.75*(-1.4)*1*1.1*1.5=-2.4255KN/m(负号表示垂直屋面向上吸力)",
      "     荷载组合三线荷载设计值为:",
      "     x方向线荷载设计值为:",
      "         qx=q0*sin(α)=0.18*sin(3.38)=0.01KN/m",
      "     y方向线荷载设计值为:",
      "         qy=q0*cos(α)+q1=0.18*cos(3.38)+(-2.4255)=-2.25KN/m",
  };
  EXPECT_EQ(block(dc, "   C.", 8), expected);
}

TEST(LoadCombinationsDefault, CombinationsFourAndFive) {
  DesignCase dc = defaultCase();
  const LoadCombinations combos = loadCombinations(dc, kDefaultAlpha);
  EXPECT_EQ(static_cast<double>(combos[3].qy), -1.35);
  const std::vector<std::string> four = {
      "   D.荷载组合四<1.0恒+0.85(1.4活+1.4雪+1.4风)>",
      "     1.恒载设计值为:q0=1.0*qD*a=1.0*0.12*1.5=0.18KN/m",
      "     2.活载设计值为:q1=0.85*1.4*qL*a=0.85*1.4*0.3*1.5=0.5355KN/m",
      "     3.雪荷载设计值为:q2=0.85*1.4*qS*a=0.85*1.4*0*1.5=0KN/m",
      "     4.风荷载设计值为:q3=0.85*1.4*qW*μs*μz*fcw*a=0.85*1.4*0.75*(-1.4)*1*1.1*1.5=-2.061675KN/m"
      "(负号表示垂直屋面向上吸力)",
      "     荷载组合四线荷载设计值为:",
      "     x方向线荷载设计值为:",
      "         qx=(q0+q1+q2)*sin(α)=(0.18+0.5355+0)*sin(3.38)=0.04KN/m",
      "     y方向线荷载设计值为:",
      "         qy=(q0+q1+q2)*cos(α)+q3=(0.18+0.5355+0)*cos(3.38)+(-2.061675)=-1.35KN/m",
  };
  EXPECT_EQ(block(dc, "   D.", 10), four);
  const std::vector<std::string> fiveStart = {
      "   E.荷载组合五<1.0恒+0.85(1.4活+1.4积灰+1.4风)>",
      "     1.恒载设计值为:q0=1.0*qD*a=1.0*0.12*1.5=0.18KN/m",
      "     2.活载设计值为:q1=0.85*1.4*qL*a=0.85*1.4*0.3*1.5=0.5355KN/m",
      "     3.积灰荷载设计值为:q2=0.85*1.4*qA*a=0.85*1.4*0*1.5=0KN/m",
  };
  EXPECT_EQ(block(dc, "   E.", 4), fiveStart);
  EXPECT_EQ(block(dc, "     荷载组合五线荷载设计值为:", 1).size(), 1u);
}

TEST(LoadCombinationsDefault, CombinationSixWithItsPointLoad) {
  DesignCase dc = defaultCase();
  const LoadCombinations combos = loadCombinations(dc, kDefaultAlpha);
  EXPECT_EQ(static_cast<double>(combos[5].Q), 1.4);
  const std::vector<std::string> expected = {
      "   F.荷载组合六<1.2恒+1.4活+1.4施工荷载>",
      "     1.恒载设计值为:q0=1.2*qD*a=1.2*0.12*1.5=0.216KN/m",
      "     2.活载设计值为:q1=1.4*qL*a=1.4*0.3*1.5=0.63KN/m",
      "     3.施工荷载设计值为:Q=1.4*Qc=1.4*1=1.4KN",
      "     荷载组合六线荷载设计值为:",
      "         qE=q0+q1=0.216+0.63=0.846KN/m",
      "     x方向线荷载设计值为:",
      "         qx=qE*sin(α)=0.846*sin(3.38)=0.04KN/m",
      "     y方向线荷载设计值为:",
      "         qy=qE*cos(α)=0.846*cos(3.38)=0.84KN/m",
      "     跨中集中荷载设计值为:",
      "         Q＝1.4KN",
  };
  EXPECT_EQ(block(dc, "   F.", 13), expected);  // the last line of the section
}

TEST(LoadCombinationTwo, ShowsTheDustLoadUnderTheSnowLabel) {
  DesignCase dc = defaultCase();
  dc.ksnowload = 0.5;
  dc.kdurtload = 0.2;
  const LoadCombinations combos = loadCombinations(dc, kDefaultAlpha);
  EXPECT_EQ(block(dc, "     3.积灰载设计值为:", 1),
            std::vector<std::string>{"     3.积灰载设计值为:q2=1.4*qS*a=1.4*0.2*1.5=0.42KN/m"});
  EXPECT_EQ(block(dc, "     3.雪载设计值为:", 1),
            std::vector<std::string>{"     3.雪载设计值为:q2=1.4*qS*a=1.4*0.5*1.5=1.05KN/m"});
  EXPECT_EQ(static_cast<double>(combos[0].qy), 1.89);  // 1.896 · cos
  EXPECT_EQ(static_cast<double>(combos[1].qy), 1.26);  // 1.266 · cos
  EXPECT_EQ(block(dc, "     3.积灰荷载设计值为:", 1),
            std::vector<std::string>{"     3.积灰荷载设计值为:q2=0.85*1.4*qA*a=0.85*1.4*0.2*1.5=0.357KN/m"});
}

// A flat roof without wind: i = 0 and α = 0 leave every product exact.
DesignCase flatCase(double deadLoad, double windPressure) {
  DesignCase dc;
  dc.kdeadload = deadLoad;
  dc.kwindload = windPressure;
  dc.windhigh = 1.0;
  dc.windstyle = -1.0;
  dc.marlobay = 1.0;
  dc.degree = 0.0;
  dc.code = DesignCode::Gbj18;
  dc.adjustfactor = 1.0;
  return dc;
}

TEST(DeadLoadFactor, EqualityWithTheUpliftKeepsTheFullFactor) {
  DesignCase three = flatCase(1.2, 1.2);  // qD·cos 0 = |1·(-1)·1.2·1|
  const LoadCombinations equal = loadCombinations(three, 0.0);
  EXPECT_EQ(equal[2].gamma, 1.2);
  EXPECT_EQ(block(three, "   C.", 1), std::vector<std::string>{"   C.荷载组合三<1.2恒+1.4风>"});
  EXPECT_EQ(block(three, "     1.恒载设计值为:q0=1.2*qD*a=1.2*1.2*1=1.44KN/m", 1).size(), 1u);

  DesignCase four = flatCase(0.85, 1.2);  // 1.2·0.85 against 0.85·1.2: the same product
  const LoadCombinations balanced = loadCombinations(four, 0.0);
  EXPECT_EQ(balanced[2].gamma, 1.0);
  EXPECT_EQ(balanced[3].gamma, 1.2);
  EXPECT_EQ(balanced[4].gamma, 1.2);
  EXPECT_EQ(block(four, "   D.", 1), std::vector<std::string>{"   D.荷载组合四<1.2恒+0.85(1.4活+1.4雪+1.4风)>"});
  EXPECT_EQ(block(four, "   E.", 1), std::vector<std::string>{"   E.荷载组合五<1.2恒+0.85(1.4活+1.4积灰+1.4风)>"});
}

TEST(DeadLoadFactor, JustBelowTheUpliftRelievesIt) {
  DesignCase three = flatCase(1.19, 1.2);
  EXPECT_EQ(loadCombinations(three, 0.0)[2].gamma, 1.0);
  DesignCase four = flatCase(0.84, 1.2);
  const LoadCombinations combos = loadCombinations(four, 0.0);
  EXPECT_EQ(combos[3].gamma, 1.0);
  EXPECT_EQ(combos[4].gamma, 1.0);
  EXPECT_EQ(block(four, "   E.", 1), std::vector<std::string>{"   E.荷载组合五<1.0恒+0.85(1.4活+1.4积灰+1.4风)>"});
}

TEST(DeadLoadFactor, LiveAndSnowCountOnlyInTheirOwnCombination) {
  DesignCase dc = flatCase(0.0, 1.0);  // uplift 0.85 against 1.19·(qL + qS or qA)
  dc.ksnowload = 0.8;                  // 0.952: four keeps 1.2
  dc.kdurtload = 0.7;                  // 0.833: five is relieved
  const LoadCombinations combos = loadCombinations(dc, 0.0);
  EXPECT_EQ(combos[3].gamma, 1.2);
  EXPECT_EQ(combos[4].gamma, 1.0);
}

// On a steep roof the slope value taken as an angle (cos 1.5 = 0.071) would
// relieve the dead load; the roof angle α = 0.982 (cos α = 0.555) keeps it.
TEST(DeadLoadFactor, SteepRoofTestsGravityWithTheRoofAngle) {
  DesignCase dc = defaultCase();
  dc.degree = 1.5;
  dc.kdeadload = 2.5;  // three: 2.5·0.555 = 1.39 >= 1.155; four: 3.357·0.555 = 1.86 >= 0.98
  const LoadCombinations combos = loadCombinations(dc, roofAngle(dc));
  EXPECT_EQ(combos[2].gamma, 1.2);
  EXPECT_EQ(combos[3].gamma, 1.2);
  EXPECT_EQ(block(dc, "         qx=q0*sin(α)=", 1), std::vector<std::string>{"         qx=q0*sin(α)=4.5*sin(56.26)=3.74KN/m"});
}

TEST(DeadLoadFactor, WindPressureAlwaysKeepsTheFullFactor) {
  DesignCase dc = defaultCase();
  dc.windstyle = 1.4;  // pressure: 1.155 would exceed qD·cos(i) as suction does
  const LoadCombinations combos = loadCombinations(dc, kDefaultAlpha);
  EXPECT_EQ(combos[2].gamma, 1.2);
  EXPECT_EQ(combos[3].gamma, 1.2);
  EXPECT_EQ(combos[4].gamma, 1.2);
  EXPECT_DOUBLE_EQ(combos[2].q0, 0.216);
  EXPECT_EQ(block(dc, "   C.", 1), std::vector<std::string>{"   C.荷载组合三<1.2恒+1.4风>"});
  EXPECT_EQ(static_cast<double>(combos[2].qy), 2.64);  // 0.2156 + 2.4255
  EXPECT_EQ(static_cast<double>(combos[3].qy), 2.81);  // 0.7515·cos α + 2.061675
}

TEST(WindLine, HeightFactorStandsAfterTheShapeFactor) {
  DesignCase dc = defaultCase();
  dc.windhigh = 1.2;
  const LoadCombinations combos = loadCombinations(dc, kDefaultAlpha);
  EXPECT_EQ(combos[2].gamma, 1.0);
  const std::vector<std::string> lines = block(dc, "     4.风荷载设计值为:q1=", 1);
  EXPECT_EQ(lines, std::vector<std::string>{"     4.风荷载设计值为:q1=1.4*qW*μs*μz*fcw*a=1.4*0.75*(-1.4)*1.2*1.1*1.5="
                                            "-2.9106KN/m(负号表示垂直屋面向上吸力)"});
  EXPECT_EQ(block(dc, "         qy=q0*cos(α)+q1=", 1),
            std::vector<std::string>{"         qy=q0*cos(α)+q1=0.18*cos(3.38)+(-2.9106)=-2.74KN/m"});
  EXPECT_EQ(static_cast<double>(combos[2].qy), -2.74);
}

TEST(ResolvedLoads, FlooredToTheHundredthTowardMinusInfinity) {
  DesignCase positive = flatCase(0.70375, 0.0);  // no wind: 1.2·0.70375 = 0.8445
  EXPECT_EQ(static_cast<double>(loadCombinations(positive, 0.0)[2].qy), 0.84);
  DesignCase negative = flatCase(0.0719, 1.7);  // 0.0719 - 2.38 = -2.3081
  const LoadCombinations combos = loadCombinations(negative, 0.0);
  EXPECT_EQ(static_cast<double>(combos[2].qy), -2.31);
  EXPECT_EQ(block(negative, "         qy=q0*cos(α)+q1=", 1),
            std::vector<std::string>{"         qy=q0*cos(α)+q1=0.0719*cos(0)+(-2.38)=-2.31KN/m"});
}

TEST(ResolvedLoads, TheProductIsRoundedToAFloatBeforeTheFloor) {
  DesignCase dc = defaultCase();
  // 0.846·cos α a few billionths below 0.83: as a float it is 0.83.
  const double alpha = std::acos((0.83 - 2e-9) / 0.846);
  EXPECT_EQ(static_cast<double>(loadCombinations(dc, alpha)[0].qy), 0.83);
}

TEST(PointLoad, ZeroConstructionLoadGivesZero) {
  DesignCase dc = defaultCase();
  dc.kshigongload = 0;
  const LoadCombinations combos = loadCombinations(dc, kDefaultAlpha);
  EXPECT_EQ(static_cast<double>(combos[5].Q), 0.0);
  EXPECT_EQ(block(dc, "     3.施工荷载设计值为:", 1),
            std::vector<std::string>{"     3.施工荷载设计值为:Q=1.4*Qc=1.4*0=0KN"});
  EXPECT_EQ(block(dc, "         Q＝", 1), std::vector<std::string>{"         Q＝0KN"});
}

TEST(PointLoad, FactoredLineIsADoubleTheRecordAFloat) {
  DesignCase dc = defaultCase();
  dc.kshigongload = 1.234567;
  const LoadCombinations combos = loadCombinations(dc, kDefaultAlpha);
  EXPECT_EQ(block(dc, "     3.施工荷载设计值为:", 1),
            std::vector<std::string>{"     3.施工荷载设计值为:Q=1.4*Qc=1.4*1.234567=1.7283938KN"});
  EXPECT_EQ(block(dc, "         Q＝", 1), std::vector<std::string>{"         Q＝1.728394KN"});
  EXPECT_EQ(static_cast<double>(combos[5].Q), 1.728394);  // rounded, not floored
}

}  // namespace
}  // namespace veldrin
