#include "report/run.h"

#include <gtest/gtest.h>

#include "support/defaultform.h"
#include "support/scriptedplatform.h"

using namespace veldrin;
using veldrin::testing::ScriptedPlatform;

namespace {

FormState defaultCase() { return veldrin::testing::defaultRunForm("2026-12-08 09:30:00"); }

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(Run, MissingSelectionStopsWithItsMessageAndChangesNothing) {
  FormState form = defaultCase();
  form.combo1 = -1;
  DesignCase dc;
  dc.labout = "earlier";
  ScriptedPlatform ui;
  const RunOutcome outcome = cmdshow_Click(form, dc, ui);
  EXPECT_FALSE(outcome.completed);
  EXPECT_TRUE(outcome.report.empty());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "请输入钢材型号!");
  EXPECT_EQ(ui.messages[0].title, "输入数据不完整");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(dc.labout, "earlier");
  EXPECT_TRUE(dc.errstr.empty());  // the next press tests afresh

  form.combo1 = 0;
  EXPECT_TRUE(cmdshow_Click(form, dc, ui).completed);
  EXPECT_EQ(ui.messages.size(), 1u);
  form.optcode1 = false;  // no code chosen, as a file's empty code item leaves it
  EXPECT_FALSE(cmdshow_Click(form, dc, ui).completed);
  EXPECT_EQ(ui.messages.back().text, "请选择设计规范!");
}

TEST(Run, HeaderAndKnownConditionsOfTheDefaultCase) {
  DesignCase dc;
  ScriptedPlatform ui;
  const std::string report = cmdshow_Click(defaultCase(), dc, ui).report;
  EXPECT_EQ(report.rfind("****工程墙(屋)面檁条计算\r\n工程编号:20022308\r\n\r\n一、已知条件:\r\n", 0), 0u);
  EXPECT_TRUE(contains(report, "\r\n   9.屋面坡度为:α＝3.43度\r\n"));
  EXPECT_TRUE(contains(report, "\r\n   10.檁条计算长度为:L=7.2m\r\n   11.檁条间距为:a=1.5m\r\n"));
  EXPECT_TRUE(contains(report, "\r\n   12.跨中拉条数量为:n=0根\r\n   13.檁条抗拉强度设计值为:fy=215MPa\r\n"));
  EXPECT_TRUE(contains(report, "\r\n   14.檁条抗剪强度设计值为:fv=125MPa\r\n   15.檁条弹性模量为:E=206000MPa\r\n"));
  EXPECT_TRUE(contains(report, "\r\n   16.檩条规格:C250X75X20X2.5\r\n   17.檩条截面特性为:\r\n       A="));
  EXPECT_TRUE(contains(report, "\r\n   18.计算规范:门式钢架轻型房屋钢结构技术规程CECS102:98\r\n   19.风荷载调整系数fcw=1.1\r\n"));
  EXPECT_TRUE(contains(report, "\r\n   7.风压高度变化系数为:μz=1\r\n   8.风压体形系数为:μs=-1.4\r\n"));
  EXPECT_EQ(dc.adjustfactor, 1.1);
}

TEST(Run, SectionPropertiesOfTheGrossDefaultSection) {
  DesignCase dc;
  ScriptedPlatform ui;
  const std::string report = cmdshow_Click(defaultCase(), dc, ui).report;
  EXPECT_TRUE(contains(report,
                       "   17.檩条截面特性为:\r\n       A=1048.17mm2\r\n       z0=19.6mm\r\n       Ix=9522888mm4\r\n"
                       "       Iy=713038mm4\r\n       It=2183mm4\r\n       Iω=8969138871mm6\r\n       d=31.97mm\r\n"
                       "       e0=51.57mm\r\n       Uy=138389847mm5\r\n"));
}

TEST(Run, FiveHeadingsInOrderAndTheBanner) {
  DesignCase dc;
  ScriptedPlatform ui;
  const std::string report = cmdshow_Click(defaultCase(), dc, ui).report;
  std::size_t at = 0;
  for (const char* heading : {"\r\n\r\n二、线荷载设计值计算\r\n", "\r\n\r\n三、檩条强度计算\r\n", "\r\n\r\n四、檩条稳定计算\r\n",
                              "\r\n\r\n五、檩条构造以及变形计算\r\n"}) {
    const std::size_t found = report.find(heading, at);
    ASSERT_NE(found, std::string::npos) << heading;
    at = found;
  }
  const std::string banner = "\r\n\r\n      " + std::string(86, '_') + "\r\n" + std::string(21, ' ') +
                             "〖Veldrin 计算时间:2026-12-08 09:30:00〗\r\n      " + std::string(39, '_') + "【End】" +
                             std::string(40, '_') + "\r\n";
  ASSERT_GE(report.size(), banner.size());
  EXPECT_EQ(report.substr(report.size() - banner.size()), banner);
}

TEST(Run, TheOtherCodeChangesItemsEighteenAndNineteen) {
  FormState form = defaultCase();
  form.optcode1 = false;
  form.optcode2 = true;
  DesignCase dc;
  ScriptedPlatform ui;
  ui.answers = {"100"};
  const std::string report = cmdshow_Click(form, dc, ui).report;
  EXPECT_TRUE(contains(report, "\r\n   18.计算规范:冷弯薄壁型钢结构技术规范GBJ18-87\r\n   19.风荷载调整系数fcw=1.0\r\n"));
  EXPECT_EQ(dc.adjustfactor, 1.0);
}

TEST(Run, ProgressTextAndASecondPressStartsAfresh) {
  DesignCase dc;
  ScriptedPlatform ui;
  const std::string first = cmdshow_Click(defaultCase(), dc, ui).report;
  EXPECT_EQ(dc.labout.rfind("数据输入正确!" + std::string(18, ' ') + "截面特性计算完毕!" + std::string(14, ' ') +
                                "荷载组合计算完毕!" + std::string(14, ' '),
                            0),
            0u);
  const std::string second = cmdshow_Click(defaultCase(), dc, ui).report;
  EXPECT_EQ(first, second);
  EXPECT_EQ(second.find("****工程墙(屋)面檁条计算", 1), std::string::npos);
}

TEST(Run, AbsurdDimensionsAreRefusedBeforeAnyReportLine) {
  struct Case {
    int box;
    const char* text;
    const char* named;
  };
  for (const Case& c : {Case{7, "0", "檩条板厚t"}, Case{4, "-250", "截面高h"}, Case{5, "abc", "翼缘宽b"},
                        Case{6, "0", "自由翼缘a"}, Case{11, "0", "檩条跨度"}, Case{12, "-1.5", "檩条间距"},
                        Case{15, "-0.3", "屋面活载输入有误(非数字输入或者输入值<0)"}, Case{8, "-1e-9", "基本风压值"}}) {
    FormState form = defaultCase();
    form.field(c.box) = c.text;
    DesignCase dc;
    dc.labout = "earlier";
    ScriptedPlatform ui;
    const RunOutcome outcome = cmdshow_Click(form, dc, ui);
    EXPECT_FALSE(outcome.completed) << c.named;
    EXPECT_TRUE(dc.filestring.str().empty()) << c.named;
    EXPECT_EQ(dc.labout, "earlier");
    ASSERT_EQ(ui.messages.size(), 1u) << c.named;
    EXPECT_EQ(ui.messages[0].title, "输入数据检查");
    EXPECT_TRUE(contains(ui.messages[0].text, c.named)) << ui.messages[0].text;
  }
}

TEST(Run, ANumberTooLargeForItsFieldStopsTheRunByName) {
  FormState form = defaultCase();
  form.field(4) = "1E50";
  DesignCase dc;
  ScriptedPlatform ui;
  EXPECT_FALSE(cmdshow_Click(form, dc, ui).completed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(contains(ui.messages[0].text, "截面高h:"));
}

TEST(Run, ALipShorterThanTheBendsGivesNoSectionAndIsRefused) {
  // a lip of 1 mm with t = 10 mm makes the flats negative: area below zero
  FormState form = defaultCase();
  form.field(6) = "1";
  form.field(7) = "10";
  form.field(4) = "20";
  form.field(5) = "20";
  DesignCase dc;
  ScriptedPlatform ui;
  EXPECT_FALSE(cmdshow_Click(form, dc, ui).completed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].title, "输入数据检查");
}

TEST(Run, QuietRunWritesNoTextAndStopsWhereAWrittenOneStops) {
  for (const char* deadLoad : {"0.12", "1e300"}) {
    FormState form = defaultCase();
    form.field(14) = deadLoad;
    DesignCase written, quiet;
    ScriptedPlatform writtenUi, quietUi;
    const RunOutcome w = cmdshow_Click(form, written, writtenUi);
    const RunOutcome q = cmdshow_Click(form, quiet, quietUi, ReportMode::Quiet);
    EXPECT_EQ(q.completed, w.completed) << deadLoad;
    EXPECT_TRUE(q.report.empty()) << deadLoad;
    EXPECT_EQ(w.report.empty(), !w.completed) << deadLoad;
    EXPECT_EQ(quiet.labout, written.labout) << deadLoad;
    ASSERT_EQ(quietUi.messages.size(), writtenUi.messages.size()) << deadLoad;
    for (std::size_t i = 0; i < quietUi.messages.size(); ++i) EXPECT_EQ(quietUi.messages[i].text, writtenUi.messages[i].text);
    ASSERT_EQ(q.checks.size(), w.checks.size()) << deadLoad;
    for (std::size_t i = 0; i < q.checks.size(); ++i) {
      EXPECT_EQ(q.checks[i].utilisation, w.checks[i].utilisation);
      EXPECT_EQ(q.checks[i].passes, w.checks[i].passes);
    }
  }
}
