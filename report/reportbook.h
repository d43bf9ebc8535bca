#pragma once
// The calculation book an engineer files: a title block at the head of its
// first page (what is checked, to which code, the verdict, a sign-off table
// and the date of the run), then the report with its tables.
#include <string>
#include <vector>

#include "basetypes/reporttable.h"
#include "input/designcase.h"

namespace veldrin {

struct RunOutcome;

struct TitleBlock {
  std::string heading;  // "檩条计算书"
  ReportTable facts;    // item | value, no column titles
  ReportTable signOff;  // 设计 / 校对 / 审核 with empty names and dates
  std::string runDate;  // "计算日期:2026-12-08"
};

struct ReportBook {
  TitleBlock title;
  std::string report;               // the report text (CR LF lines)
  std::vector<PlacedTable> tables;  // the report's tables by their lines
};

// The title block of a completed run of dc; runDate is the date the book is
// made (the case's own time field stays in the banner).
TitleBlock titleBlock(const DesignCase& dc, const CheckResults& checks, const std::string& runDate);

ReportBook reportBook(const RunOutcome& outcome, const DesignCase& dc, const std::string& runDate);

// "门式刚架轻型房屋钢结构技术规范 GB 51022-2015 ..." for the selected code.
std::string designCodeName(DesignCode code);

}  // namespace veldrin
