#include "calc/moments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/reportlines.h"
#include "support/scriptedplatform.h"

namespace veldrin {
namespace {

struct Loads {
  double qx, qy, Q, L;
  std::int16_t rods;
};

// The lines of one call on a roof of the given slope. No design code is
// selected, so no check adds its lines after the moments.
std::vector<std::string> momentLines(const Loads& l, double slope = 0.06) {
  DesignCase dc;
  dc.degree = slope;
  dc.marlolength = l.L;
  dc.code = DesignCode::None;
  testing::ScriptedPlatform ui;
  neili(dc, ui, l.qx, l.qy, l.Q, l.L, l.rods);
  EXPECT_TRUE(ui.messages.empty());
  return testing::reportLines(dc.filestring.str());
}

std::vector<std::string> expectedLines(const std::string& strong, const std::string& weak) {
  return {"       强轴弯矩设计值为:", "           " + strong, "       弱轴弯矩设计值为:", "           " + weak};
}

TEST(MomentFormulas, NoRodsWithoutPointLoad) {
  EXPECT_EQ(momentLines({0.04, 0.84, 0, 7.2, 0}),
            expectedLines("Mx=qy*L^2/8=0.84*7.2^2/8=5.44KN.m", "My=qx*L^2/8=0.04*7.2^2/8=0.25KN.m"));
}

TEST(MomentFormulas, NoRodsWithPointLoad) {
  // 5.4432 + 1.4·3.6·cos α and 0.2592 + 1.4·3.6·sin α; the strong label ends without "="
  EXPECT_EQ(momentLines({0.04, 0.84, 1.4, 7.2, 0}),
            expectedLines("Mx=qy*L^2/8+Q*L/2*cos(α)=0.84*7.2^2/8+1.4*7.2/2*cos(3.43)=10.47KN.m",
                          "My=qx*L^2/8+Q*L/2*Sin(α)=0.04*7.2^2/8+1.4*7.2/2*sin(3.43)=0.56KN.m"));
}

TEST(MomentFormulas, OneRodWithoutPointLoad) {
  EXPECT_EQ(momentLines({0.04, 0.84, 0, 7.2, 1}),
            expectedLines("Mx=qy*L^2/8=0.84*7.2^2/8=5.44KN.m", "My=qx*L^2/32=0.04*7.2^2/32=0.06KN.m"));
}

TEST(MomentFormulas, OneRodIgnoresThePointLoadSideways) {
  EXPECT_EQ(momentLines({0.04, 0.84, 1.4, 7.2, 1}),
            expectedLines("Mx=qy*L^2/8+Q*L/2*cos(α)=0.84*7.2^2/8+1.4*7.2/2*cos(3.43)=10.47KN.m",
                          "My=qx*L^2/32=0.04*7.2^2/32=0.06KN.m"));
}

TEST(MomentFormulas, TwoRodsWithoutPointLoad) {
  EXPECT_EQ(momentLines({1, 2, 0, 7.2, 2}),
            expectedLines("Mx=qy*L^2/8=2*7.2^2/8=12.96KN.m", "My=qx*L^2/360=1*7.2^2/360=0.14KN.m"));
}

TEST(MomentFormulas, TwoRodsKeepAShareOfThePointLoad) {
  // 0.144 + 0.175·1.4·3.6·sin α = 0.1968; without the share it would be 0.44
  EXPECT_EQ(momentLines({1, 2, 1.4, 7.2, 2}),
            expectedLines("Mx=qy*L^2/8+Q*L/2*cos(α)=2*7.2^2/8+1.4*7.2/2*cos(3.43)=17.99KN.m",
                          "My=qx*L^2/360+0.175*Q*L/2*Sin(α)=1*7.2^2/360+0.175*1.4*7.2/2*sin(3.43)=0.19KN.m"));
}

TEST(MomentFormulas, AnyPointLoadAtAllTakesItsFormula) {
  const std::vector<std::string> lines = momentLines({0, 0, 0.001, 2, 0});
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "           Mx=qy*L^2/8+Q*L/2*cos(α)=0*2^2/8+0.001*2/2*cos(3.43)=0KN.m");
}

TEST(MomentTruncation, TowardMinusInfinityOnBothAxes) {
  // L = 2: qy·L²/8 = qy/2
  EXPECT_EQ(momentLines({2.478, 2.478, 0, 2, 0}),
            expectedLines("Mx=qy*L^2/8=2.478*2^2/8=1.23KN.m", "My=qx*L^2/8=2.478*2^2/8=1.23KN.m"));
  EXPECT_EQ(momentLines({-2.462, -2.462, 0, 2, 0}),
            expectedLines("Mx=qy*L^2/8=-2.462*2^2/8=-1.24KN.m", "My=qx*L^2/8=-2.462*2^2/8=-1.24KN.m"));
}

TEST(MomentSlope, FlatRoofPutsThePointLoadOnTheStrongAxisOnly) {
  EXPECT_EQ(momentLines({0, 0, 2, 2, 0}, 0.0),
            expectedLines("Mx=qy*L^2/8+Q*L/2*cos(α)=0*2^2/8+2*2/2*cos(0)=2KN.m",
                          "My=qx*L^2/8+Q*L/2*Sin(α)=0*2^2/8+2*2/2*sin(0)=0KN.m"));
}

TEST(MomentSlope, AngleShownFromTheArcTangentOfTheSlope) {
  // arctan 0.1 = 5.7106°; sin α = 0.0995 gives 10·0.0995 = 0.995
  EXPECT_EQ(momentLines({0, 0, 10, 2, 0}, 0.1),
            expectedLines("Mx=qy*L^2/8+Q*L/2*cos(α)=0*2^2/8+10*2/2*cos(5.71)=9.95KN.m",
                          "My=qx*L^2/8+Q*L/2*Sin(α)=0*2^2/8+10*2/2*sin(5.71)=0.99KN.m"));
}

TEST(MomentRods, CountOutsideTheListWritesNothing) {
  EXPECT_TRUE(momentLines({0.04, 0.84, 1.4, 7.2, 3}).empty());
  EXPECT_TRUE(momentLines({0.04, 0.84, 0, 7.2, -1}).empty());
}

}  // namespace
}  // namespace veldrin
