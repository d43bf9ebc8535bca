#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/loadcombinations.h"
#include "report/governing.h"
#include "support/reportlines.h"
#include "support/scriptedplatform.h"
#include "support/strengthsection.h"

namespace veldrin {
namespace {

// qy of one to five; qx of combination k is k/10 so that the weak-axis line
// tells which combination the moments were computed for.
LoadCombinations combinations(double qy1, double qy2, double qy3, double qy4, double qy5, double pointLoad = 0) {
  LoadCombinations c;
  const double qy[] = {qy1, qy2, qy3, qy4, qy5, 1.0};
  for (std::size_t k = 0; k < 6; ++k) {
    c[k].qx = static_cast<double>(k + 1) / 10;
    c[k].qy = qy[k];
  }
  c[5].Q = pointLoad;
  return c;
}

// Span 2 m without rods: Mx = qy/2 and My = qx/2. No design code is selected,
// so the moment lines are not followed by those of a check.
std::vector<std::string> sectionThree(const LoadCombinations& combos) {
  DesignCase dc;
  dc.marlolength = 2;
  dc.degree = 0.06;
  dc.code = DesignCode::None;
  testing::ScriptedPlatform ui;
  strengthSection(dc, ui, combos);
  return testing::reportLines(dc.filestring.str());
}

std::vector<std::string> lines(std::vector<std::string> head, const std::vector<std::string>& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

std::vector<std::string> momentsWithoutPointLoad(const std::string& qx, const std::string& qy, const std::string& my,
                                                 const std::string& mx) {
  return {"       强轴弯矩设计值为:", "           Mx=qy*L^2/8=" + qy + "*2^2/8=" + mx + "KN.m",
          "       弱轴弯矩设计值为:", "           My=qx*L^2/8=" + qx + "*2^2/8=" + my + "KN.m"};
}

// Combination six as combinations() builds it (qx 0.6, qy 1) with Q = 1.4.
const std::vector<std::string> kCombinationSix = {
    "   <二>荷载组合六强度计算",
    "       强轴弯矩设计值为:",
    "           Mx=qy*L^2/8+Q*L/2*cos(α)=1*2^2/8+1.4*2/2*cos(3.43)=1.89KN.m",
    "       弱轴弯矩设计值为:",
    "           My=qx*L^2/8+Q*L/2*Sin(α)=0.6*2^2/8+1.4*2/2*sin(3.43)=0.38KN.m",
};

TEST(GoverningStrength, CombinationOneWhenItIsHeaviest) {
  EXPECT_EQ(sectionThree(combinations(0.84, 0.82, -0.5, 0.7, 0.7)),
            lines({"   因为荷载组合一设计值大于等于组合二、三、四、五、六设计值,因此选取组合一进行强度计算",
                   "   <一>荷载组合一强度计算"},
                  momentsWithoutPointLoad("0.1", "0.84", "0.05", "0.42")));
}

TEST(GoverningStrength, TieBetweenOneAndTwoGoesToTwo) {
  EXPECT_EQ(sectionThree(combinations(0.84, 0.84, -0.5, 0.7, 0.7)),
            lines({"   因为荷载组合二设计值大于等于组合一、三、四、五、六设计值,因此选取组合二进行强度计算",
                   "   <一>荷载组合二强度计算"},
                  momentsWithoutPointLoad("0.2", "0.84", "0.1", "0.42")));
}

TEST(GoverningStrength, SuctionAsLargeAsGravityGoesToThreeWithItsSign) {
  EXPECT_EQ(sectionThree(combinations(0.84, 0.8, -0.84, 0.7, 0.7)),
            lines({"   因为荷载组合三设计值大于等于组合一、二、四、五、六设计值,因此选取组合三进行强度计算",
                   "   <一>荷载组合三强度计算"},
                  momentsWithoutPointLoad("0.3", "-0.84", "0.15", "-0.42")));
  const std::vector<std::string> weaker = sectionThree(combinations(0.84, 0.8, -0.83, 0.7, 0.7));
  EXPECT_EQ(weaker.at(1), "   <一>荷载组合一强度计算");
}

TEST(GoverningStrength, PointLoadAddsCombinationSix) {
  const LoadCombinations combos = combinations(0.84, 0.8, -2.25, -1.35, -1.35, 1.4);
  EXPECT_EQ(sectionThree(combos),
            lines(lines({"   因为荷载组合三设计值大于等于组合一、二、四、五设计值,因此选取组合三进行强度计算",
                         "   <一>荷载组合三强度计算"},
                        momentsWithoutPointLoad("0.3", "-2.25", "0.15", "-1.13")),
                  kCombinationSix));
}

TEST(GoverningStrength, PointLoadTextsOfOneAndTwo) {
  EXPECT_EQ(sectionThree(combinations(0.84, 0.8, 0, 0, 0, 1.4)).at(0),
            "   因为荷载组合一设计值大于等于组合二、三、四、五设计值,因此选取组合一进行强度计算");
  EXPECT_EQ(sectionThree(combinations(0.8, 0.84, 0, 0, 0, 1.4)).at(0),
            "   因为荷载组合二设计值大于等于组合一、三、四、五设计值,因此选取组合二进行强度计算");
}

TEST(GoverningStrength, WindPressureMakesCombinationFourGovern) {
  EXPECT_EQ(sectionThree(combinations(0.84, 0.84, 2.64, 2.81, 2.81)),
            lines({"   因为荷载组合四设计值大于等于组合一、二、三、五、六设计值,因此选取组合四进行强度计算",
                   "   <一>荷载组合四强度计算"},
                  momentsWithoutPointLoad("0.4", "2.81", "0.2", "1.4")));
  const std::vector<std::string> withSix = sectionThree(combinations(0.84, 0.84, 2.64, 2.81, 2.81, 1.4));
  ASSERT_EQ(withSix.size(), 11u);
  EXPECT_EQ(withSix[0], "   因为荷载组合四设计值大于等于组合一、二、三、五设计值,因此选取组合四进行强度计算");
  EXPECT_EQ(std::vector<std::string>(withSix.begin() + 6, withSix.end()), kCombinationSix);
}

TEST(GoverningStrength, FiveOverFourWhenStrictlyHeavier) {
  EXPECT_EQ(sectionThree(combinations(0.84, 0.84, 2.64, 2.81, 2.82)),
            lines({"   因为荷载组合五设计值大于等于组合一、二、三、四、六设计值,因此选取组合五进行强度计算",
                   "   <一>荷载组合五强度计算"},
                  momentsWithoutPointLoad("0.5", "2.82", "0.25", "1.41")));
  EXPECT_EQ(sectionThree(combinations(0.84, 0.84, 0.5, 0.5, 0.9, 1.4)).at(0),
            "   因为荷载组合五设计值大于等于组合一、二、三、四设计值,因此选取组合五进行强度计算");
}

TEST(GoverningStrength, FourAndFiveMustExceedTheGoverningValue) {
  EXPECT_EQ(sectionThree(combinations(0.84, 0.84, 0.5, 0.84, 0.84)).at(1), "   <一>荷载组合二强度计算");
  // Three governs by its magnitude; four must exceed |qy3|, not qy3.
  EXPECT_EQ(sectionThree(combinations(0.84, 0.84, -3, 2.9, 2.9)).at(1), "   <一>荷载组合三强度计算");
  EXPECT_EQ(sectionThree(combinations(0.84, 0.84, -3, 3.1, 3)).at(1), "   <一>荷载组合四强度计算");
  EXPECT_EQ(sectionThree(combinations(0.84, 0.84, -3, 3.1, 3.1)).at(1), "   <一>荷载组合四强度计算");
}

// The default window texts from the load combinations to the end of section three.
TEST(GoverningStrength, DefaultCaseChoosesThreeThenSix) {
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
  dc.code = DesignCode::None;
  dc.adjustfactor = 1.1;
  const LoadCombinations combos = loadCombinations(dc, 0.059);
  dc.filestring.clear();
  testing::ScriptedPlatform ui;
  strengthSection(dc, ui, combos);
  const std::vector<std::string> expected = {
      "   因为荷载组合三设计值大于等于组合一、二、四、五设计值,因此选取组合三进行强度计算",
      "   <一>荷载组合三强度计算",
      "       强轴弯矩设计值为:",
      "           Mx=qy*L^2/8=-2.25*7.2^2/8=-14.58KN.m",
      "       弱轴弯矩设计值为:",
      "           My=qx*L^2/8=0.01*7.2^2/8=0.06KN.m",
      "   <二>荷载组合六强度计算",
      "       强轴弯矩设计值为:",
      "           Mx=qy*L^2/8+Q*L/2*cos(α)=0.84*7.2^2/8+1.4*7.2/2*cos(3.43)=10.47KN.m",
      "       弱轴弯矩设计值为:",
      "           My=qx*L^2/8+Q*L/2*Sin(α)=0.04*7.2^2/8+1.4*7.2/2*sin(3.43)=0.56KN.m",
  };
  EXPECT_EQ(testing::reportLines(dc.filestring.str()), expected);
}

// The justification and sub-heading on strengthTestSection (Ix = 10^7, Iy =
// 4·10^5, x0 = 20.45) over 2 m, CECS102:98. Largest corner stresses of one
// to five worked out by hand (python, outside the program) from the floored
// moments qy/2 and qx/2 KN.m.
TEST(GoverningStrength, LargestCornerStressOverridesTheChoiceByLineLoad) {
  struct Row {
    std::vector<std::pair<double, double>> qxqy;  // one to five
    std::vector<std::string> head;
  };
  const Row rows[] = {
      // One by qy (12.06 MPa); two's steeper qx gives 141.37 MPa.
      {{{0.1, 0.84}, {2.0, 0.8}, {0.3, -0.5}, {0.4, 0.7}, {0.5, 0.7}},
       {"   因为荷载组合二截面最大应力141.37MPa大于按线荷载设计值选取的荷载组合一的12.06MPa,因此选取组合二进行强度计算",
        "   <一>荷载组合二强度计算"}},
      // Three by |qy| (39.2 MPa); four and five both give 120.4: the first of equals.
      {{{0.1, 0.84}, {0.2, 0.8}, {0.3, -3}, {1.5, 2.9}, {1.5, 2.9}},
       {"   因为荷载组合四截面最大应力120.4MPa大于按线荷载设计值选取的荷载组合三的39.2MPa,因此选取组合四进行强度计算",
        "   <一>荷载组合四强度计算"}},
      // Equal qx: the largest qy also has the largest stress, nothing changes.
      {{{0.1, 0.84}, {0.1, 0.8}, {0.1, -0.5}, {0.1, 0.7}, {0.1, 0.7}},
       {"   因为荷载组合一设计值大于等于组合二、三、四、五、六设计值,因此选取组合一进行强度计算",
        "   <一>荷载组合一强度计算"}},
  };
  for (const Row& row : rows) {
    DesignCase dc = testing::strengthTestSection();
    dc.code = DesignCode::Cecs102;
    dc.marlolength = 2;
    LoadCombinations combos;
    for (std::size_t k = 0; k < 5; ++k) {
      combos[k].qx = row.qxqy[k].first;
      combos[k].qy = row.qxqy[k].second;
    }
    testing::ScriptedPlatform ui;
    const StrengthChecks checked = strengthSection(dc, ui, combos);
    const std::vector<std::string> got = testing::reportLines(dc.filestring.str());
    ASSERT_GE(got.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + 2), row.head);
    EXPECT_EQ(checked.combinations.size(), 1u);
  }
}

}  // namespace
}  // namespace veldrin
