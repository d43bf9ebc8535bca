#include "report/reportbook.h"

#include "report/run.h"
#include "report/summary.h"

namespace veldrin {

namespace {

constexpr char kTimes[] = "×";
constexpr char kFailMarks[] = "(************)";

std::string sectionText(const DesignCase& dc) {
  const std::string grade = dc.steelGrade == 0 ? "Q235" : "Q345";
  return "C" + numText(dc.h) + kTimes + numText(dc.b) + kTimes + numText(dc.a) + kTimes + numText(dc.t) + ", " + grade;
}

// The conclusion of section six without its "结论:" and its row of asterisks:
// in a table cell the words say it.
std::string verdictText(const CheckResults& checks) {
  std::string text = conclusionText(checks);
  const std::string label = "结论:";
  if (text.starts_with(label)) text.erase(0, label.size());
  if (text.ends_with(kFailMarks)) text.erase(text.size() - std::string(kFailMarks).size());
  return text;
}

ReportTable factsOf(const DesignCase& dc, const CheckResults& checks) {
  ReportTable facts;
  facts.headerRows = 0;
  facts.rows = {
      {"项目名称", dc.projectname},
      {"工程编号", dc.projectcode},
      {"计算规范", designCodeName(dc.code)},
      {"檩条截面", sectionText(dc)},
      {"檩条跨度", numText(dc.marlolength) + "m"},
      {"檩条间距", numText(dc.marlobay) + "m"},
      {"跨中拉条", numText(dc.latiaonum) + "根"},
      {"验算结论", verdictText(checks)},
  };
  const std::string largest = largestUtilisationText(checks);
  if (!largest.empty()) facts.rows.push_back({"最大利用率", largest});
  return facts;
}

ReportTable signOffTable() {
  ReportTable table;
  table.rows = {{"", "签名", "日期"}, {"设计", "", ""}, {"校对", "", ""}, {"审核", "", ""}};
  table.minColumns = {0, 24, 16};  // room for a name and a date written by hand
  return table;
}

}  // namespace

std::string designCodeName(DesignCode code) {
  switch (code) {
    case DesignCode::Cecs102: return "门式刚架轻型房屋钢结构技术规程 CECS 102:98";
    case DesignCode::Gbj18: return "冷弯薄壁型钢结构技术规范 GBJ 18-87";
    case DesignCode::Gb51022: return "门式刚架轻型房屋钢结构技术规范 GB 51022-2015,截面验算按 GB 50018-2002";
    case DesignCode::None: break;
  }
  return {};
}

TitleBlock titleBlock(const DesignCase& dc, const CheckResults& checks, const std::string& runDate) {
  return {"檩条计算书", factsOf(dc, checks), signOffTable(), "计算日期:" + runDate};
}

ReportBook reportBook(const RunOutcome& outcome, const DesignCase& dc, const std::string& runDate) {
  return {titleBlock(dc, outcome.checks, runDate), outcome.report, outcome.tables};
}

}  // namespace veldrin
