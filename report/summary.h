#pragma once
// Section six: every verdict of the report in one table, the largest
// utilisation and the conclusion, written from the run's check records.
#include <string>
#include <vector>

#include "basetypes/checkresult.h"
#include "basetypes/reporttext.h"

namespace veldrin {

// The table (序号 验算项目 [依据] 计算值 限值 利用率 结论; the column 依据 when
// the records carry their clauses), then the largest utilisation and the
// conclusion.
void writeSummary(ReportText& report, const CheckResults& checks);

// The table of section six, one row a record under the column titles.
ReportTable summaryTable(const CheckResults& checks);

// "结论:本檩条满足全部验算要求!" or "结论:本檩条有n项验算不满足要求!(************)".
std::string conclusionText(const CheckResults& checks);

// "4.920(荷载组合四 跨中 整体稳定)": the governing record's utilisation and
// name; empty without records.
std::string largestUtilisationText(const CheckResults& checks);

// What the quick-result panel adds after a run: the conclusion, then the
// governing check and its utilisation, each line short enough for the panel.
std::vector<std::string> quickResultLines(const CheckResults& checks);

// A utilisation as the summary shows it, with three decimals (1.000).
std::string utilisationText(double utilisation);

}  // namespace veldrin
