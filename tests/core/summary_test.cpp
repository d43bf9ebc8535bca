// Section six: the rows, their columns, the largest utilisation and the conclusion.
#include "report/summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/reportlines.h"

using namespace veldrin;
using veldrin::testing::reportLines;

namespace {

std::vector<std::string> summaryOf(const CheckResults& checks) {
  ReportText r;
  writeSummary(r, checks);
  return reportLines(r.str());
}

}  // namespace

TEST(Summary, FailingCaseLinesUpItsColumnsAndCountsItsFailures) {
  const CheckResults checks = {
      checkRecord(CheckSection::Strength, 3, CheckElement::Upper, "sigma", 215, 215, "MPa", true, "荷载组合三 强度 上翼缘"),
      checkRecord(CheckSection::Slenderness, 0, CheckElement::None, "lambda_y", 220.01, 220, "", false, "长细比 λy"),
      checkRecord(CheckSection::Deflection, 0, CheckElement::None, "gravity", 149.9, 150, "L/f", false,
                  "挠度 恒载、活载、雪载"),
  };
  const std::vector<std::string> want = {
      "   1.荷载组合三 强度 上翼缘   215MPa  215MPa  1.000  满足",
      "   2.长细比 λy               220.01     220  1.001  不满足(************)",
      "   3.挠度 恒载、活载、雪载   1/149.9   1/150  1.001  不满足(************)",
      "   最大利用率为1.001(长细比 λy)",  // the first of equal utilisations
      "   结论:本檩条有2项验算不满足要求!(************)",
  };
  EXPECT_EQ(summaryOf(checks), want);
  const std::vector<std::string> panel = {"结论:2项验算不满足要求!", "控制验算:长细比 λy", "利用率:1.001"};
  EXPECT_EQ(quickResultLines(checks), panel);
}

TEST(Summary, PassingCaseConcludesThatEveryCheckIsMet) {
  const CheckResults checks = {
      checkRecord(CheckSection::Stability, 1, CheckElement::None, "sigma", 201.61, 315, "MPa", true, "荷载组合一 稳定 σ8"),
      checkRecord(CheckSection::Deflection, 0, CheckElement::None, "wind", 0, 150, "L/f", true, "挠度 恒载、风载"),
  };
  const std::vector<std::string> want = {
      "   1.荷载组合一 稳定 σ8  201.61MPa  315MPa  0.641  满足",
      "   2.挠度 恒载、风载            f=0   1/150  0.000  满足",
      "   最大利用率为0.641(荷载组合一 稳定 σ8)",
      "   结论:本檩条满足全部验算要求!",
  };
  EXPECT_EQ(summaryOf(checks), want);
  const std::vector<std::string> panel = {"结论:全部验算满足要求!", "控制验算:荷载组合一 稳定 σ8", "利用率:0.641"};
  EXPECT_EQ(quickResultLines(checks), panel);
}

// A ratio of 0 is no deflection only when it passes; failing, it is a
// deflection beyond ten spans and reads as the report's 1/0.
TEST(Summary, FailingZeroRatioReadsAsOneOverZeroNotAsNoDeflection) {
  CheckResult beyond =
      checkRecord(CheckSection::Deflection, 0, CheckElement::None, "gravity", 0, 240, "L/f", false, "挠度 恒载、活载、雪载");
  beyond.utilisation = 2831.068;
  const CheckResults checks = {
      beyond,
      checkRecord(CheckSection::Deflection, 0, CheckElement::None, "wind", 0, 240, "L/f", true, "挠度 恒载、风载"),
  };
  const std::vector<std::string> want = {
      "   1.挠度 恒载、活载、雪载  1/0  1/240  2831.068  不满足(************)",
      "   2.挠度 恒载、风载        f=0  1/240     0.000  满足",
      "   最大利用率为2831.068(挠度 恒载、活载、雪载)",
      "   结论:本檩条有1项验算不满足要求!(************)",
  };
  EXPECT_EQ(summaryOf(checks), want);
}

TEST(Summary, ChineseCharactersAndGreekLettersTakeTwoColumns) {
  EXPECT_EQ(displayWidth("荷载组合三 稳定 σ8"), 10u + 1 + 4 + 1 + 2 + 1);  // σ as wide as in 宋体
  EXPECT_EQ(displayWidth("、"), 2u);
  EXPECT_EQ(displayWidth("1/150"), 5u);
  EXPECT_EQ(utilisationText(1.0), "1.000");
  EXPECT_EQ(utilisationText(27.038), "27.038");
}
