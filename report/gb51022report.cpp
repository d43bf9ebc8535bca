#include "report/gb51022report.h"

#include "report/gb51022/reportparts.h"

namespace veldrin {

namespace {

void heading(ReportText& r, const char* title) {
  r.empty();
  r.line(0, title);
}

}  // namespace

void writeGb51022Sections(DesignCase& dc, std::string& step) {
  using namespace gb51022;
  ReportText& r = dc.filestring;
  step = "截面特性计算";
  const PurlinChecks p = checkPurlin(dc, grossSectionOf(dc));
  r.line(0, "一、已知条件:");
  writeKnownConditions(r, dc, p);
  step = "荷载组合计算";
  heading(r, "二、荷载组合及内力计算");
  writeCombinations(r, dc, p);
  dc.labout += "荷载组合计算完毕!" + std::string(14, ' ');
  step = "檩条强度计算";
  heading(r, "三、檩条有效截面及强度计算");
  writeStrength(r, p);
  step = "檩条稳定计算";
  heading(r, "四、檩条整体稳定计算");
  writeStability(r, dc, p);
  step = "檩条构造以及变形计算";
  heading(r, "五、檩条构造以及变形计算");
  writeDetailing(r, dc, p);
  dc.checks = recordsOf(p);
}

}  // namespace veldrin
