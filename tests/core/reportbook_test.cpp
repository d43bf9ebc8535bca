// The calculation book's title block, the place of section six's table in the
// report text, and the figure dialog's list against the report's own lines.
#include "report/reportbook.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "report/run.h"
#include "report/sectionlisting.h"
#include "support/defaultform.h"
#include "support/reportlines.h"
#include "support/scriptedplatform.h"

using namespace veldrin;
using veldrin::testing::reportLines;
using Rows = std::vector<std::vector<std::string>>;

namespace {

struct CaseRun {
  DesignCase dc;
  RunOutcome outcome;
};

CaseRun runOf(const SectionDims& s, DesignCode code) {
  FormState form = veldrin::testing::defaultRunForm("2026-12-08 09:30:00");
  const double dims[] = {s.h, s.b, s.a, s.t};
  for (int i = 0; i < 4; ++i) form.field(4 + i) = numText(dims[i]);
  form.optcode1 = code == DesignCode::Cecs102;
  form.optcode3 = code == DesignCode::Gb51022;
  CaseRun run;
  veldrin::testing::ScriptedPlatform ui;
  run.outcome = cmdshow_Click(form, run.dc, ui);
  return run;
}

std::string trimmed(const std::string& line) { return line.substr(line.find_first_not_of(' ')); }

}  // namespace

TEST(ReportBook, TitleBlockOfTheDefaultCase) {
  const CaseRun run = runOf({250, 75, 20, 2.5}, DesignCode::Cecs102);
  ASSERT_TRUE(run.outcome.completed);
  const TitleBlock title = titleBlock(run.dc, run.outcome.checks, "2026-12-08");
  EXPECT_EQ(title.heading, "檩条计算书");
  const Rows facts = {{"项目名称", "****工程墙(屋)面檁条计算"},
                      {"工程编号", "20022308"},
                      {"计算规范", "门式刚架轻型房屋钢结构技术规程 CECS 102:98"},
                      {"檩条截面", "C250×75×20×2.5, Q235"},
                      {"檩条跨度", "7.2m"},
                      {"檩条间距", "1.5m"},
                      {"跨中拉条", "0根"},
                      {"验算结论", "本檩条有4项验算不满足要求!"},
                      {"最大利用率", "3.800(荷载组合六 稳定 σ8)"}};
  EXPECT_EQ(title.facts.rows, facts);
  EXPECT_EQ(title.facts.headerRows, 0u);
  const Rows signOff = {{"", "签名", "日期"}, {"设计", "", ""}, {"校对", "", ""}, {"审核", "", ""}};
  EXPECT_EQ(title.signOff.rows, signOff);
  EXPECT_EQ(title.runDate, "计算日期:2026-12-08");
  const std::vector<std::string> lines = reportLines(run.outcome.report);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "   最大利用率为" + facts[8][1]), lines.end())
      << "the title block repeats section six";
}

// Section six's table is kept with its place: its lines are the table's rows
// lined up, right after the heading, under every code.
TEST(ReportBook, TheSummaryTableStandsWhereItsLinesAre) {
  for (const DesignCode code : {DesignCode::Cecs102, DesignCode::Gb51022}) {
    const CaseRun run = runOf({250, 75, 20, 2.5}, code);
    ASSERT_EQ(run.outcome.tables.size(), 1u);
    const PlacedTable& placed = run.outcome.tables[0];
    EXPECT_EQ(placed.table.rows.size(), run.outcome.checks.size() + 1);
    const std::vector<std::string> lines = reportLines(run.outcome.report);
    ASSERT_GT(placed.firstLine, 0u);
    EXPECT_EQ(lines[placed.firstLine - 1], "六、验算结果汇总");
    const std::vector<std::string> rows = alignedLines(placed.table);
    for (std::size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(lines[placed.firstLine + r], "   " + rows[r]);
    const std::string codeName = titleBlock(run.dc, run.outcome.checks, "").facts.rows[2][1];
    EXPECT_NE(codeName.find(code == DesignCode::Gb51022 ? "GB 51022-2015" : "CECS 102:98"), std::string::npos);
  }
}

// The figure dialog lists what the report lists for the section, value for
// value and unit for unit (C250×75×20×3 included: not the line model's
// 1320 mm²), under each code.
TEST(ReportedSection, ListsTheReportsOwnValues) {
  const SectionDims sections[] = {{250, 75, 20, 2.5}, {250, 75, 20, 3}, {160, 60, 20, 2}, {300, 80, 20, 2.5}};
  for (const SectionDims& s : sections) {
    for (const DesignCode code : {DesignCode::Cecs102, DesignCode::Gb51022}) {
      const CaseRun run = runOf(s, code);
      ASSERT_TRUE(run.outcome.completed);
      const std::vector<std::string> report = reportLines(run.outcome.report);
      const ReportedSection listed = reportedSection(s, code);
      ASSERT_TRUE(listed.formed);
      const std::vector<std::string> lines = reportLines(listed.lines);
      EXPECT_EQ(lines.size(), 9u);
      for (const std::string& line : lines) {
        const std::string item = trimmed(line), name = item.substr(0, item.find('=') + 1);
        const bool found = std::any_of(report.begin(), report.end(), [&](const std::string& r) {
          return r.find_first_not_of(' ') != std::string::npos && trimmed(r).starts_with(name) &&
                 r.find(item.substr(name.size() - 1)) != std::string::npos;
        });
        EXPECT_TRUE(found) << s.t << " " << item;
      }
    }
  }
  EXPECT_NE(reportedSection({250, 75, 20, 3}, DesignCode::Cecs102).lines.find("A=1245.37mm2"), std::string::npos);
  EXPECT_FALSE(reportedSection({0, 75, 20, 2.5}, DesignCode::Cecs102).formed);
  EXPECT_FALSE(reportedSection({250, 75, 7, 2.5}, DesignCode::Gb51022).formed) << "no lip flat left: the run refuses it";
}
