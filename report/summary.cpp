#include "report/summary.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace veldrin {

namespace {

constexpr int kIndent = 3;

// A demand or limit with its unit; a deflection reads as the report's 1/ratio.
std::string valueText(double value, const std::string& unit) {
  if (unit == "L/f") return "1/" + numText(value);
  return numText(value) + unit;
}

// A passing ratio of 0 is no deflection at all; a failing one is a
// deflection beyond ten spans, which the report shows as 1/0.
std::string demandText(const CheckResult& c) {
  if (c.unit == "L/f" && c.demand == 0 && c.passes) return "f=0";
  return valueText(c.demand, c.unit);
}

bool carriesClauses(const CheckResults& checks) {
  return std::any_of(checks.begin(), checks.end(), [](const CheckResult& c) { return !c.clause.empty(); });
}

// Names and words to the left, numbers to the right of their columns.
std::vector<CellAlign> summaryAlignment(bool clauses) {
  std::vector<CellAlign> align = {CellAlign::Right, CellAlign::Left};
  if (clauses) align.push_back(CellAlign::Left);
  align.insert(align.end(), {CellAlign::Right, CellAlign::Right, CellAlign::Right, CellAlign::Left});
  return align;
}

std::vector<std::string> titleRow(bool clauses) {
  std::vector<std::string> titles = {"序号", "验算项目"};
  if (clauses) titles.push_back("依据");
  titles.insert(titles.end(), {"计算值", "限值", "利用率", "结论"});
  return titles;
}

std::vector<std::string> rowOf(std::size_t number, const CheckResult& c, bool clauses) {
  std::vector<std::string> row = {numText(static_cast<long long>(number)), c.name};
  if (clauses) row.push_back(c.clause);
  row.insert(row.end(), {demandText(c), valueText(c.limit, c.unit), utilisationText(c.utilisation),
                         c.passes ? "满足" : "不满足(************)"});
  return row;
}

}  // namespace

ReportTable summaryTable(const CheckResults& checks) {
  const bool clauses = carriesClauses(checks);
  ReportTable table;
  table.align = summaryAlignment(clauses);
  table.rows.push_back(titleRow(clauses));
  for (std::size_t i = 0; i < checks.size(); ++i) table.rows.push_back(rowOf(i + 1, checks[i], clauses));
  return table;
}

std::string conclusionText(const CheckResults& checks) {
  const int failing = failingChecks(checks);
  if (failing == 0) return "结论:本檩条满足全部验算要求!";
  return "结论:本檩条有" + std::to_string(failing) + "项验算不满足要求!(************)";
}

std::string largestUtilisationText(const CheckResults& checks) {
  const std::size_t governing = governingCheck(checks);
  if (governing >= checks.size()) return {};
  return utilisationText(checks[governing].utilisation) + "(" + checks[governing].name + ")";
}

std::string utilisationText(double utilisation) {
  std::array<char, 64> buf{};
  const auto done = std::to_chars(buf.data(), buf.data() + buf.size(), utilisation, std::chars_format::fixed, 3);
  return std::string(buf.data(), done.ptr);
}

std::vector<std::string> quickResultLines(const CheckResults& checks) {
  const int failing = failingChecks(checks);
  std::vector<std::string> lines{failing == 0 ? "结论:全部验算满足要求!"
                                              : "结论:" + std::to_string(failing) + "项验算不满足要求!"};
  const std::size_t governing = governingCheck(checks);
  if (governing < checks.size()) {
    lines.push_back("控制验算:" + checks[governing].name);
    lines.push_back("利用率:" + utilisationText(checks[governing].utilisation));
  }
  return lines;
}

void writeSummary(ReportText& report, const CheckResults& checks) {
  if (!checks.empty()) report.table(kIndent, summaryTable(checks));
  const std::string largest = largestUtilisationText(checks);
  if (!largest.empty()) report.line(kIndent, "最大利用率为", largest);
  report.line(kIndent, conclusionText(checks));
}

}  // namespace veldrin
