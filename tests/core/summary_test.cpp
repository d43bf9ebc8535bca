// Section six: the table's cells under their column titles, its columns lined
// up in the text, the largest utilisation and the conclusion.
#include "report/summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/reportlines.h"

using namespace veldrin;
using veldrin::testing::reportLines;
using Rows = std::vector<std::vector<std::string>>;

namespace {

const std::vector<std::string> kTitles = {"序号", "验算项目", "计算值", "限值", "利用率", "结论"};

std::vector<std::string> summaryOf(const CheckResults& checks) {
  ReportText r;
  writeSummary(r, checks);
  return reportLines(r.str());
}

Rows withTitles(const std::vector<std::string>& titles, Rows rows) {
  rows.insert(rows.begin(), titles);
  return rows;
}

// Where each cell of a written line ends (right-aligned) or starts (left),
// in display columns, found from the cells themselves.
std::vector<std::size_t> edges(const std::string& line, const std::vector<std::string>& cells, const ReportTable& t) {
  std::vector<std::size_t> at;
  std::size_t from = 0;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    const std::size_t found = cells[c].empty() ? from : line.find(cells[c], from);
    const std::size_t start = displayWidth(line.substr(0, found));
    at.push_back(t.alignOf(c) == CellAlign::Right ? start + displayWidth(cells[c]) : start);
    from = found + cells[c].size();
  }
  return at;
}

CheckResult clauseRecord(CheckResult r, std::string clause) {
  r.clause = std::move(clause);
  return r;
}

}  // namespace

TEST(Summary, FailingCaseListsItsCellsAndCountsItsFailures) {
  const CheckResults checks = {
      checkRecord(CheckSection::Strength, 3, CheckElement::Upper, "sigma", 215, 215, "MPa", true, "荷载组合三 强度 上翼缘"),
      checkRecord(CheckSection::Slenderness, 0, CheckElement::None, "lambda_y", 220.01, 220, "", false, "长细比 λy"),
      checkRecord(CheckSection::Deflection, 0, CheckElement::None, "gravity", 149.9, 150, "L/f", false,
                  "挠度 恒载、活载、雪载"),
  };
  const Rows want = withTitles(kTitles, {
      {"1", "荷载组合三 强度 上翼缘", "215MPa", "215MPa", "1.000", "满足"},
      {"2", "长细比 λy", "220.01", "220", "1.001", "不满足(************)"},
      {"3", "挠度 恒载、活载、雪载", "1/149.9", "1/150", "1.001", "不满足(************)"},
  });
  EXPECT_EQ(summaryTable(checks).rows, want);
  const std::vector<std::string> lines = summaryOf(checks);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[4], "   最大利用率为1.001(长细比 λy)");  // the first of equal utilisations
  EXPECT_EQ(lines[5], "   结论:本檩条有2项验算不满足要求!(************)");
  const std::vector<std::string> panel = {"结论:2项验算不满足要求!", "控制验算:长细比 λy", "利用率:1.001"};
  EXPECT_EQ(quickResultLines(checks), panel);
}

// A passing ratio of 0 is no deflection; failing, it is a deflection beyond
// ten spans and reads as the report's 1/0.
TEST(Summary, PassingCaseAndTheTwoReadingsOfARatioOfZero) {
  CheckResult beyond =
      checkRecord(CheckSection::Deflection, 0, CheckElement::None, "gravity", 0, 240, "L/f", false, "挠度 恒载、活载、雪载");
  beyond.utilisation = 2831.068;
  const CheckResult none =
      checkRecord(CheckSection::Deflection, 0, CheckElement::None, "wind", 0, 240, "L/f", true, "挠度 恒载、风载");
  EXPECT_EQ(summaryTable({beyond, none}).rows,
            withTitles(kTitles, {{"1", "挠度 恒载、活载、雪载", "1/0", "1/240", "2831.068", "不满足(************)"},
                                 {"2", "挠度 恒载、风载", "f=0", "1/240", "0.000", "满足"}}));
  EXPECT_EQ(summaryOf({none}).back(), "   结论:本檩条满足全部验算要求!");
  EXPECT_EQ(conclusionText({none, beyond}), "结论:本檩条有1项验算不满足要求!(************)");
  EXPECT_EQ(largestUtilisationText({none, beyond}), "2831.068(挠度 恒载、活载、雪载)");
  EXPECT_EQ(largestUtilisationText({}), "");
}

// Records that name their clauses get the column 依据 after the check's name;
// in either table every column lines up in the text, titles included: names
// and words start together, numbers end together.
TEST(Summary, ClausesHaveTheirColumnAndEveryColumnLinesUp) {
  const CheckResults plain = {
      checkRecord(CheckSection::Strength, 1, CheckElement::Upper, "sigma", 104.71, 215, "MPa", true, "荷载组合一 跨中 上翼缘强度"),
      checkRecord(CheckSection::Stability, 4, CheckElement::Lower, "sigma", 1057.79, 215, "MPa", false, "荷载组合四 跨中 整体稳定"),
      checkRecord(CheckSection::Ratio, 0, CheckElement::Web, "h/t", 94, 250, "", true, "腹板 高厚比"),
      checkRecord(CheckSection::Deflection, 7, CheckElement::None, "wind", 161.5, 150, "L/f", true, "荷载组合七 挠度"),
  };
  const CheckResults clauses = {clauseRecord(plain[0], "GB 50018-2002 式8.1.1-1"),
                                clauseRecord(plain[1], "GB 50018-2002 式8.1.1-2"),
                                clauseRecord(plain[2], "GB 50018-2002 表4.3.2"),
                                clauseRecord(plain[3], "GB 51022-2015 表3.3.2")};
  EXPECT_EQ(summaryTable(plain).rows[0], kTitles);
  const ReportTable table = summaryTable(clauses);
  EXPECT_EQ(table.rows[0], (std::vector<std::string>{"序号", "验算项目", "依据", "计算值", "限值", "利用率", "结论"}));
  EXPECT_EQ(table.rows[2][2], "GB 50018-2002 式8.1.1-2");
  for (const CheckResults& checks : {plain, clauses}) {
    const ReportTable t = summaryTable(checks);
    const std::vector<std::string> lines = summaryOf(checks);
    const std::vector<std::size_t> first = edges(lines[0], t.rows[0], t);
    for (std::size_t r = 1; r < t.rows.size(); ++r) EXPECT_EQ(edges(lines[r], t.rows[r], t), first) << lines[r];
  }
}

TEST(Summary, ChineseCharactersAndGreekLettersTakeTwoColumns) {
  EXPECT_EQ(displayWidth("荷载组合三 稳定 σ8"), 10u + 1 + 4 + 1 + 2 + 1);  // σ as wide as in 宋体
  EXPECT_EQ(displayWidth("、"), 2u);
  EXPECT_EQ(displayWidth("1/150"), 5u);
  EXPECT_EQ(utilisationText(1.0), "1.000");
  EXPECT_EQ(utilisationText(27.038), "27.038");
}
