// A whole run under the third design code: the report's frame, its verdict
// lines against the records, no dialog on the way, and its refusals.
#include <gtest/gtest.h>

#include <algorithm>

#include "report/run.h"
#include "support/reportlines.h"
#include "support/scriptedplatform.h"

namespace veldrin {
namespace {

using testing::ScriptedPlatform;

FormState gbCase() {
  FormState form = startupForm("2026-12-08 09:30:00");
  form.combo1 = form.combo2 = form.combo3 = 0;
  form.optcode1 = false;
  form.optcode3 = true;
  return form;
}

RunOutcome run(const FormState& form, DesignCase& dc, ScriptedPlatform& ui) { return cmdshow_Click(form, dc, ui); }

long count(const std::vector<std::string>& lines, const std::string& part) {
  return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

TEST(Gb51022Run, FiveSectionsInOrderWithoutAnyDialog) {
  DesignCase dc;
  ScriptedPlatform ui;
  FormState ticked = gbCase();
  ticked.check2 = true;  // with no sag rods the tick restrains nothing
  const RunOutcome outcome = run(ticked, dc, ui);
  ASSERT_TRUE(outcome.completed);
  EXPECT_TRUE(ui.messages.empty());
  const std::vector<std::string> lines = testing::reportLines(outcome.report);
  long previous = -1;
  for (const char* heading : {"一、已知条件:", "二、荷载组合及内力计算", "三、檩条有效截面及强度计算", "四、檩条整体稳定计算",
                              "五、檩条构造以及变形计算"}) {
    const long at = testing::indexOf(lines, heading);
    EXPECT_GT(at, previous) << heading;
    EXPECT_EQ(lines[static_cast<std::size_t>(at - 1)], "") << heading;
    previous = at;
  }
  EXPECT_NE(testing::indexOf(lines, "   13.钢材Q235:f=215MPa,fv=125MPa,fy=235MPa (GB 51022-2015 表3.2.4-1)"), -1);
  EXPECT_EQ(count(lines, "18.屋面板不能阻止檩条侧向失稳;拉条不约束下翼缘"), 1);
  EXPECT_NE(testing::indexOf(lines, "       wk=β*μw*μz*w0=1.7*(-1.4)*1*0.75=-1.785KN/m2 (GB 51022-2015 式4.2.1)"), -1);
  EXPECT_NE(testing::indexOf(lines, "      檩条仅为受弯构件,不兼作屋面支撑压杆或系杆,GB 51022-2015 9.1.7的长细比限值不适用,不作长细比验算"), -1)
      << "no slenderness limit applies to a purlin that only bends";
  EXPECT_EQ(lines.back(), std::string(6, ' ') + std::string(39, '_') + "【End】" + std::string(40, '_'));
}

// Every verdict line of sections three to five is written from a record:
// as many lines as records, and the failing ones alike.
TEST(Gb51022Run, VerdictLinesMatchTheRecords) {
  for (const int sheeting : {0, 1}) {
    for (const int rods : {0, 1, 2}) {
      FormState form = gbCase();
      form.check1 = sheeting;
      form.combo3 = rods;
      form.field(10) = "0.8";  // wind pressure: combinations 2 and 3
      DesignCase dc;
      ScriptedPlatform ui;
      const RunOutcome outcome = run(form, dc, ui);
      ASSERT_TRUE(outcome.completed);
      std::vector<std::string> lines = testing::reportLines(outcome.report);
      const long summary = testing::indexOf(lines, "六、验算结果汇总");
      ASSERT_GT(summary, 0);
      lines.resize(static_cast<std::size_t>(summary));  // sections one to five
      const long failing = std::count_if(outcome.checks.begin(), outcome.checks.end(),
                                         [](const CheckResult& c) { return !c.passes; });
      EXPECT_EQ(count(lines, "满足要求!"), static_cast<long>(outcome.checks.size())) << sheeting << rods;
      EXPECT_EQ(count(lines, "不满足要求!"), failing) << sheeting << rods;
      EXPECT_EQ(outcome.checks.size(), dc.checks.size());
    }
  }
}

TEST(Gb51022Run, Q345TakesTheStrengthsOfTheCode) {
  FormState form = gbCase();
  form.combo1 = 1;
  DesignCase dc;
  ScriptedPlatform ui;
  const std::vector<std::string> lines = testing::reportLines(run(form, dc, ui).report);
  EXPECT_NE(testing::indexOf(lines, "   13.钢材Q345:f=305MPa,fv=175MPa,fy=345MPa (GB 51022-2015 表3.2.4-1)"), -1);
  for (const CheckResult& c : dc.checks) {
    if (c.section == CheckSection::Strength || c.section == CheckSection::Stability) {
      EXPECT_EQ(c.limit, 305);
    }
    if (c.section == CheckSection::Shear) {
      EXPECT_EQ(c.limit, 175);
    }
  }
}

TEST(Gb51022Run, NoFlatWidthOrNoHeightFactorIsRefusedByName) {
  const struct {
    int box;
    const char* text;
    const char* named;
  } cases[] = {{9, "0", "风压高度变化系数"}, {5, "15", "翼缘"}, {6, "7.5", "卷边"}, {4, "15", "腹板"}};
  for (const auto& c : cases) {
    FormState form = gbCase();
    form.field(c.box) = c.text;
    DesignCase dc;
    ScriptedPlatform ui;
    EXPECT_FALSE(run(form, dc, ui).completed) << c.named;
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(c.named), std::string::npos) << ui.messages[0].text;
  }
}

}  // namespace
}  // namespace veldrin
