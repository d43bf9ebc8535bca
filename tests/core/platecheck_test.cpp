#include "calc/platecheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "basetypes/runstop.h"
#include "support/scriptedplatform.h"
#include "support/reportlines.h"
#include "support/strengthsection.h"

using veldrin::allowableRatioCoefficient;
using veldrin::DesignCase;
using veldrin::MessageIcon;
using veldrin::neilicheck_code2;
using veldrin::testing::ScriptedPlatform;

using veldrin::testing::at;
using veldrin::testing::indexOf;
using veldrin::testing::lines;

namespace {

DesignCase section() { return veldrin::testing::strengthTestSection(); }

const char* const kWarningTitle = "应力超过设计强度,请重新输入数据!";
const char* const kUniformNote = "一边支撑一边卷边σmax在卷边边板件截面边缘系数α<0.2,按一边支撑一边卷边均匀受压板件考虑";

}  // namespace

TEST(AllowableRatioCoefficient, InterpolatesTheTableBetweenItsBrackets) {
  EXPECT_EQ(allowableRatioCoefficient(0.2), 14);
  EXPECT_EQ(allowableRatioCoefficient(0.4), 16);
  EXPECT_EQ(allowableRatioCoefficient(0.5), 16.5);
  EXPECT_EQ(allowableRatioCoefficient(0.6), 17);
  EXPECT_EQ(allowableRatioCoefficient(1.01), 20.5);
  EXPECT_EQ(allowableRatioCoefficient(1.9), 46.5);
  EXPECT_EQ(allowableRatioCoefficient(1.99), 46.95);
}

TEST(AllowableRatioCoefficient, OutsideTheTableTakesItsEndValues) {
  EXPECT_EQ(allowableRatioCoefficient(0.19), 14);
  EXPECT_EQ(allowableRatioCoefficient(-3), 14);
  EXPECT_EQ(allowableRatioCoefficient(2.0), 47);
  EXPECT_EQ(allowableRatioCoefficient(5), 47);
}

TEST(PlateCheck, BracketedFlangeAndTheWebDialog) {
  DesignCase dc = section();
  ScriptedPlatform ui;
  ui.answers = {"50"};
  neilicheck_code2(dc, ui, 10e6, 0.2e6);
  const std::vector<std::string> got = lines(dc);
  ASSERT_EQ(got.size(), 24u);
  EXPECT_EQ(got[4], at(13, "σ8=mx/ix*h/2+my/iy*(b-x0)=10000000/10000000*250/2+200000/400000*(75-20.45)=152.27MPa"));
  EXPECT_EQ(got[5], at(11, "截面边缘系数α=(σmax-σmin)/σmax＝(152.27-114.77)/152.27=0.24"));
  EXPECT_EQ(got[6], at(11, "一边支撑一边卷边σmax在卷边边板件容许宽厚比系数ξ=14.4"));
  EXPECT_EQ(got[7], at(11, "计算板件容许宽厚比htf1=100*sqrt(ξ/σmax)=100*sqrt(14.4/152.27)=30.75"));
  EXPECT_EQ(got[8], at(11, "计算板件容许宽厚比htf1=30.75>=实际宽厚比b/t=30并且σ8<=fy=215MPa"));
  EXPECT_EQ(got[9], at(11, "上翼缘满足工程要求!"));
  EXPECT_EQ(got[10], at(7, "2.檩条下翼缘为一边支撑一边卷边非均匀受拉板件，计算板端点3、4处应力(压应力为正值，拉应力为负值):"));
  EXPECT_EQ(got[12], at(13, "σ3=-mx/ix*h/2+my/iy*(b-x0)=-10000000/10000000*250/2+200000/400000*(75-20.45)=-97.73MPa"));
  EXPECT_EQ(got[14], at(13, "σ4=-mx/ix*h/2-my/iy*x0=-10000000/10000000*250/2-200000/400000*20.45=-135.23MPa"));
  EXPECT_EQ(got[15], at(11, "3、4处应力均小于设计强度，下翼缘全截面有效，下翼缘满足要求!"));
  EXPECT_EQ(got[18], got[14]);  // the web's end is the flange's point 4
  EXPECT_EQ(got[21], at(11, "薄壁型钢构件的计算参数为:α＝(σmax-σmin)/σmax＝(114.77-(-135.23))/114.77=2.1782"));
  EXPECT_EQ(got[22], at(11, "腹板有效宽厚比为:htf3=50"));
  EXPECT_EQ(got[23], at(11, "腹板有效宽厚比小于实际宽厚比,应进行有效截面的计算"));
  ASSERT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(ui.prompts[0],
            "有效宽厚比输入|腹板两边支撑非均匀受压板件(实际应力σ4=-135.23MPa,σ7=114.77MPa;实际宽厚比btf=100)，"
            "请输入腹板有效宽厚比(大于0的数值):");
  EXPECT_EQ(dc.he, 125);  // htf3·t
  EXPECT_EQ(dc.be1, 75);
  EXPECT_TRUE(dc.effectflag);
  EXPECT_TRUE(ui.messages.empty());
  // The web only needs an effective section: no failure, its larger compression recorded.
  ASSERT_EQ(dc.checks.size(), 3u);
  const double demands[] = {152.27, 135.23, 114.77};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(dc.checks[i].demand, demands[i]) << i;
    EXPECT_TRUE(dc.checks[i].passes) << i;
  }
  EXPECT_EQ(dc.checks[2].element, veldrin::CheckElement::Web);
}

// No ratio is made up: each refused answer is said and asked again; Cancel stops.
TEST(PlateCheck, ARefusedWebRatioIsAskedAgainAndCancelStops) {
  for (const char* refused : {"", "abc", "50mm", "0", "-5", "1e999"}) {
    DesignCase dc = section();
    ScriptedPlatform ui, cancelling;
    ui.answers = {refused, "50"};
    cancelling.answers = {refused, std::nullopt};
    neilicheck_code2(dc, ui, 10e6, 0.2e6);
    ASSERT_EQ(ui.prompts.size(), 2u) << refused;
    EXPECT_EQ(ui.messages.at(0).text, veldrin::kWebRatioRefused);
    EXPECT_EQ(dc.he, 125) << refused;  // htf3 = 50
    EXPECT_THROW(neilicheck_code2(dc, cancelling, 10e6, 0.2e6), veldrin::RunCancelled) << refused;
  }
}

TEST(PlateCheck, SufficientWebRatioKeepsTheFullSection) {
  DesignCase dc = section();
  dc.he = dc.be1 = dc.be2 = 1;  // left by an earlier combination
  ScriptedPlatform ui;
  ui.answers = {" 120 "};
  neilicheck_code2(dc, ui, 10e6, 0.2e6);
  EXPECT_EQ(lines(dc).back(), at(11, "腹板有效宽厚比大于实际宽厚比，腹板全部有效!4、7处应力均小于设计强度，腹板全截面有效，腹板满足要求!"));
  EXPECT_EQ(dc.he, 250);
  EXPECT_EQ(dc.be1, 75);
  EXPECT_EQ(dc.be2, 75);
  EXPECT_FALSE(dc.effectflag);
}

TEST(PlateCheck, FlangeBelowTheTableIsStillTested) {
  DesignCase passing = section();
  ScriptedPlatform ui;
  ui.answers = {"200"};
  neilicheck_code2(passing, ui, 10e6, 0.05e6);  // σ7 = 122.44, σ8 = 131.81
  std::vector<std::string> got = lines(passing);
  const long note = indexOf(got, at(11, kUniformNote));
  ASSERT_EQ(note, 5);
  EXPECT_EQ(got[6], at(11, "截面边缘系数α=(σmax-σmin)/σmax＝(131.81-122.44)/131.81=0.07"));
  EXPECT_EQ(got[7], at(11, "一边支撑一边卷边σmax在卷边边板件容许宽厚比系数ξ=14"));
  EXPECT_EQ(got[8], at(11, "计算板件容许宽厚比htf1=100*sqrt(ξ/σmax)=100*sqrt(14/131.81)=32.59"));
  EXPECT_EQ(got[9], at(11, "计算板件容许宽厚比htf1=32.59>=实际宽厚比b/t=30并且σ8<=fy=215MPa"));
  EXPECT_EQ(got[10], at(11, "上翼缘满足工程要求!"));

  DesignCase failing = section();
  neilicheck_code2(failing, ui, 20e6, 0.05e6);  // σ8 = 256.81
  got = lines(failing);
  EXPECT_GE(indexOf(got, at(11, "计算板件容许宽厚比htf1=23.34<=实际宽厚比b/t=30,需进行有效截面的的计算!")), 0);
  EXPECT_EQ(failing.be1, 58.35);
  EXPECT_TRUE(failing.effectflag);
}

TEST(PlateCheck, FlangeFromTheTopOfTheTableIsTestedWithItsLastValue) {
  DesignCase dc = section();
  dc.centerx = 60;  // σ7 = −60, σ8 = 15 under my alone: α = 5
  ScriptedPlatform ui;
  neilicheck_code2(dc, ui, 0, 0.4e6);
  const std::vector<std::string> got = lines(dc);
  EXPECT_EQ(got[5], at(11, "截面边缘系数α=(σmax-σmin)/σmax＝(15-(-60))/15=5"));
  EXPECT_EQ(got[6], at(11, "一边支撑一边卷边σmax在卷边边板件容许宽厚比系数ξ=47"));
  EXPECT_EQ(got[7], at(11, "计算板件容许宽厚比htf1=100*sqrt(ξ/σmax)=100*sqrt(47/15)=177.01"));
  EXPECT_EQ(got[9], at(11, "上翼缘满足工程要求!"));
  // mx = 0: both flanges take the compressed path, the lower one labelled in tension
  EXPECT_EQ(got[10], at(7, "2.檩条下翼缘为一边支撑一边卷边非均匀受拉板件，计算板端点3、4处应力(压应力为正值，拉应力为负值):"));
  EXPECT_GE(indexOf(got, at(11, "计算板件容许宽厚比htf2=100*sqrt(ξ/σmax)=100*sqrt(47/15)=177.01")), 0);
  EXPECT_GE(indexOf(got, at(11, "计算板件容许宽厚比htf2=177.01>=实际宽厚比b/t=30并且σ3<=fy=215MPa")), 0);
  EXPECT_GE(indexOf(got, at(11, "下翼缘满足工程要求!")), 0);
}

TEST(PlateCheck, OverstressedTensionAndWebRaiseWarningBoxes) {
  DesignCase dc = section();
  ScriptedPlatform ui;
  ui.answers = {"200"};
  neilicheck_code2(dc, ui, 20e6, 0);  // ±250 MPa everywhere
  const std::vector<std::string> got = lines(dc);
  EXPECT_GE(indexOf(got, at(11, "下翼缘3或4处应力大于设计强度，请重新调整檩条数据!")), 0);
  EXPECT_EQ(got.back(), at(11, "腹板有效宽厚比大于实际宽厚比，腹板全部有效!腹板4或7处应力大于设计强度，请重新调整檩条数据!"));
  ASSERT_EQ(ui.messages.size(), 2u);
  ASSERT_EQ(dc.checks.size(), 3u);
  EXPECT_FALSE(dc.checks[1].passes);  // lower flange in tension
  EXPECT_FALSE(dc.checks[2].passes);  // web
  EXPECT_DOUBLE_EQ(dc.checks[2].utilisation, 1.163);  // 250 / 215
  EXPECT_EQ(ui.messages[0].text, "下翼缘3或4处应力大于设计强度，查看计算结果后请重新调整檩条数据!");
  EXPECT_EQ(ui.messages[1].text, "腹板4或7处应力大于设计强度，查看计算结果后请重新调整檩条数据!");
  for (const auto& shown : ui.messages) {
    EXPECT_EQ(shown.title, kWarningTitle);
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
  }

  DesignCase upper = section();
  ScriptedPlatform upperUi;
  upperUi.answers = {"200"};
  neilicheck_code2(upper, upperUi, -20e6, 0);
  EXPECT_GE(indexOf(lines(upper), at(11, "上翼缘7或8处应力大于设计强度，请重新调整檩条数据!")), 0);
  ASSERT_FALSE(upperUi.messages.empty());
  EXPECT_EQ(upperUi.messages[0].text, "上翼缘7或8处应力大于设计强度，查看计算结果后请重新调整檩条数据!");
}

TEST(PlateCheck, OverstressedCompressedFlangePassingItsRatioGetsLinesOnly) {
  DesignCase dc = section();
  dc.t = 5;
  ScriptedPlatform ui;
  ui.answers = {"1"};
  neilicheck_code2(dc, ui, 20e6, 0);  // σ8 = 250, b/t = 15
  const std::vector<std::string> got = lines(dc);
  EXPECT_EQ(got[9], at(11, "计算板件容许宽厚比htf1=23.66>=实际宽厚比b/t=15但是σ8>fy=215MPa"));
  EXPECT_EQ(got[10], at(11, "上翼缘不满足工程要求!(************)"));
  // the lower flange's and the reduced, overstressed web's; none for the upper
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "下翼缘3或4处应力大于设计强度，查看计算结果后请重新调整檩条数据!");
  EXPECT_EQ(ui.messages[1].text, "腹板4或7处应力大于设计强度，查看计算结果后请重新调整檩条数据!");
}

TEST(PlateCheckGuards, ElementsWithoutCompressionAreTestedInTension) {
  DesignCase dc = section();
  ScriptedPlatform ui;
  ASSERT_NO_THROW(neilicheck_code2(dc, ui, 0, 0));
  const std::vector<std::string> got = lines(dc);
  EXPECT_EQ(got[5], at(11, "上翼缘两端应力均不是压应力,板件不会局部屈曲,按受拉板件验算:"));
  EXPECT_EQ(got[6], at(11, "7、8处应力均小于设计强度，上翼缘全截面有效，上翼缘满足要求!"));
  EXPECT_GE(indexOf(got, at(11, "下翼缘两端应力均不是压应力,板件不会局部屈曲,按受拉板件验算:")), 0);
  EXPECT_GE(indexOf(got, at(11, "腹板4、7处均不是压应力,腹板不会局部屈曲,按受拉板件验算:")), 0);
  EXPECT_EQ(got.back(), at(11, "4、7处应力均小于设计强度，腹板全截面有效，腹板满足要求!"));
  EXPECT_TRUE(ui.prompts.empty());  // nothing to buckle, nothing to ask
  EXPECT_FALSE(dc.effectflag);
}

TEST(PlateCheckGuards, LipEndInTensionIsTakenAsUniformlyCompressed) {
  DesignCase dc = section();
  ScriptedPlatform ui;
  ui.answers = {"100"};
  ASSERT_NO_THROW(neilicheck_code2(dc, ui, 0, -0.4e6));  // σ7 = σ4 = 20.45, σ8 = σ3 = −54.55
  const std::vector<std::string> got = lines(dc);
  EXPECT_EQ(got[5], at(11, "上翼缘卷边边σ8=-54.55MPa不是压应力,压应力在支承边,按一边支撑一边卷边均匀受压板件考虑,σmax取σ7=20.45MPa"));
  EXPECT_EQ(got[6], at(11, "按均匀受压板件取容许宽厚比系数ξ=14"));
  EXPECT_EQ(got[7], at(11, "计算板件容许宽厚比htf1=100*sqrt(ξ/σmax)=100*sqrt(14/20.45)=82.74"));
  EXPECT_EQ(got[8], at(11, "计算板件容许宽厚比htf1=82.74>=实际宽厚比b/t=30并且σ7<=fy=215MPa"));
  // mx = 0: the web's coefficient is formed from σ4
  EXPECT_GE(indexOf(got, at(11, "薄壁型钢构件的计算参数为:α＝(σmax-σmin)/σmax＝(20.45-20.45)/20.45=0")), 0);
  EXPECT_EQ(ui.prompts.size(), 1u);
}

TEST(PlateCheckGuards, ZeroStiffnessIsRefusedBeforeAnyQuestion) {
  DesignCase noIx = section();
  noIx.ix = 0;
  ScriptedPlatform ui;
  EXPECT_THROW(neilicheck_code2(noIx, ui, 10e6, 0.2e6), veldrin::RunRefused);
  EXPECT_TRUE(ui.prompts.empty());
}

// GBJ18-87 (fy = 205) on strengthTestSection, b/t = 30, h/t = 100, web ratio
// typed as 50. An element that needs an effective section and is also
// stressed beyond fy fails on its own line. Numbers by hand: mx = ±17.2·10^6
// gives σ = ±215 at every corner, ξ = 14 and htf = 100·√(14/215) = 25.51 < 30;
// mx = 10^7, my = −2.4·10^6 gives σ7 = 247.7, σ8 = −202.3, σ4 = −2.3, so the
// upper flange's σmax is σ7 (lip end not compressed), htf1 = 23.77.
TEST(PlateCheck, ReducedElementAboveFyFailsOnItsOwnLine) {
  struct Row {
    double mx, my;
    int fy;
    std::vector<std::pair<std::string, std::string>> follows;  // a line, then the line after it
    int webWarnings;
  };
  const std::string web = "腹板有效宽厚比小于实际宽厚比,应进行有效截面的计算";
  const Row rows[] = {
      {17.2e6, 0, 205,
       {{"计算板件容许宽厚比htf1=25.51<=实际宽厚比b/t=30,需进行有效截面的的计算!",
         "上翼缘最大压应力σ8>fy=205MPa,上翼缘不满足强度要求!(************)"},
        {web, "腹板最大压应力>fy=205MPa,腹板不满足强度要求!(************)"}},
       1},
      {-17.2e6, 0, 205,
       {{"计算板件容许宽厚比htf2=25.51<=实际宽厚比b/t=30,需进行有效截面的的计算!",
         "下翼缘最大压应力σ3>fy=205MPa,下翼缘不满足强度要求!(************)"},
        {web, "腹板最大压应力>fy=205MPa,腹板不满足强度要求!(************)"}},
       1},  // the web, compressed at 4, is reduced and overstressed as well
      {10e6, -2.4e6, 205,
       {{"计算板件容许宽厚比htf1=23.77<=实际宽厚比b/t=30,需进行有效截面的的计算!",
         "上翼缘最大压应力σ7>fy=205MPa,上翼缘不满足强度要求!(************)"},
        {web, "腹板最大压应力>fy=205MPa,腹板不满足强度要求!(************)"}},
       1},
      {17.2e6, 0, 215, {}, 0},  // σ = fy exactly: the effective section alone
  };
  for (const Row& row : rows) {
    DesignCase dc = section();
    dc.steelfy = static_cast<std::int16_t>(row.fy);
    ScriptedPlatform ui;
    ui.answers = {"50"};
    neilicheck_code2(dc, ui, row.mx, row.my);
    const std::vector<std::string> got = lines(dc);
    for (const auto& [line, next] : row.follows) {
      const long i = indexOf(got, at(11, line));
      ASSERT_GE(i, 0) << line;
      ASSERT_LT(static_cast<std::size_t>(i + 1), got.size());
      EXPECT_EQ(got[static_cast<std::size_t>(i + 1)], at(11, next)) << row.mx;
    }
    const auto webBoxes = std::count_if(ui.messages.begin(), ui.messages.end(), [](const auto& m) {
      return m.text == "腹板4或7处应力大于设计强度，查看计算结果后请重新调整檩条数据!" && m.title == kWarningTitle;
    });
    if (row.follows.empty()) {
      EXPECT_EQ(dc.filestring.str().find("不满足强度要求"), std::string::npos);
    }
    EXPECT_EQ(webBoxes, row.webWarnings) << row.mx;
  }
}
