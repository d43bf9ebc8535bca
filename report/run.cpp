#include "report/run.h"

#include <cmath>

#include "calc/deflection.h"
#include "calc/loadcombinations.h"
#include "calc/sectionproperties.h"
#include "input/digitalinput.h"
#include "input/validation.h"
#include "report/gb51022report.h"
#include "report/governing.h"
#include "basetypes/runstop.h"
#include "report/sectionone.h"
#include "report/summary.h"

namespace veldrin {

namespace {

void copyWindowControls(const FormState& form, DesignCase& dc) {
  dc.code = form.optcode1   ? DesignCode::Cecs102
            : form.optcode2 ? DesignCode::Gbj18
            : form.optcode3 ? DesignCode::Gb51022
                            : DesignCode::None;
  dc.rodsRestrainLowerFlange = rodsRestrainLowerFlange(form);
  dc.deflectionLimit = form.combo2;
  dc.sheetingRestrains = form.check1;
}

// Step 1: an incomplete selection shows its message and ends the run.
bool listsComplete(DesignCase& dc, Platform& ui) {
  if (dc.errstr.empty()) return true;
  ui.messageBox(dc.errstr, "输入数据不完整", MessageIcon::Exclamation);
  dc.errstr.clear();
  return false;
}

void requirePositive(double v, const char* what) {
  if (!(std::isfinite(v) && v > 0)) {
    throw RunRefused(kInputCheckTitle, std::string(what) + "必须是大于0的数值，请核对后输入!");
  }
}

// A load below zero would lift the purlin the codes load: typed or read,
// it is refused as the box refuses it. Zero is "none".
void requireNotNegative(double v, const char* what) {
  if (v < 0) throw RunRefused(kInputCheckTitle, std::string(what) + kNotNegativeMessage);
}

// The third code works on the flat widths between the bends (h − 6t, b − 6t,
// a − 3t) and divides by √μz for the wind factor.
void guardFlatWidths(const DesignCase& dc) {
  requirePositive(dc.windhigh, "风压高度变化系数");
  const char* suffix = "扣除冷弯圆角后的平直段宽度必须大于0，请核对截面尺寸!";
  if (!(dc.h - 6 * dc.t > 0)) throw RunRefused(kInputCheckTitle, std::string("腹板") + suffix);
  if (!(dc.b - 6 * dc.t > 0)) throw RunRefused(kInputCheckTitle, std::string("翼缘") + suffix);
  if (!(dc.a - 3 * dc.t > 0)) throw RunRefused(kInputCheckTitle, std::string("卷边") + suffix);
}

// Absurd dimensions would divide by zero further on: refuse them up front.
void guardInputs(const DesignCase& dc) {
  requirePositive(dc.h, "截面高h");
  requirePositive(dc.b, "翼缘宽b");
  requirePositive(dc.a, "自由翼缘a");
  requirePositive(dc.t, "檩条板厚t");
  requirePositive(dc.marlolength, "檩条跨度");
  requirePositive(dc.marlobay, "檩条间距");
  requireNotNegative(dc.kdeadload, "屋面恒载");
  requireNotNegative(dc.kliveload, "屋面活载");
  requireNotNegative(dc.ksnowload, "雪荷载");
  requireNotNegative(dc.kdurtload, "积灰荷载");
  requireNotNegative(dc.kshigongload, "施工荷载");
  requireNotNegative(dc.kwindload, "基本风压值");
  if (dc.code == DesignCode::Gb51022) guardFlatWidths(dc);
}

void guardSection(const DesignCase& dc) {
  const char* suffix = "不大于0，截面尺寸无法构成有效截面，请核对截面尺寸!";
  if (!(std::isfinite(dc.area) && dc.area > 0)) throw RunRefused(kInputCheckTitle, std::string("截面面积A") + suffix);
  if (!(std::isfinite(dc.ix) && dc.ix > 0)) throw RunRefused(kInputCheckTitle, std::string("截面惯性矩Ix") + suffix);
  if (!(std::isfinite(dc.iy) && dc.iy > 0)) throw RunRefused(kInputCheckTitle, std::string("截面惯性矩Iy") + suffix);
}

// Without a selected code there is no section; the guard after it says so.
void grossSection(DesignCase& dc) {
  if (dc.code != DesignCode::None) grossSectionProperties(dc);
}

void effectiveSection(DesignCase& dc) {
  if (!dc.effectflag) return;
  if (dc.code == DesignCode::Cecs102) {
    jiemiantx_code1(dc, dc.h, dc.b, dc.a, dc.t, dc.he1, dc.he2, dc.be11, dc.be12, dc.be21, dc.be22);
  } else if (dc.code == DesignCode::Gbj18) {
    jiemiantx_code2(dc, dc.h, dc.b, dc.a, dc.t, dc.he, dc.be1, dc.be2);
  }
}

void heading(DesignCase& dc, const char* title) {
  dc.filestring.empty();
  dc.filestring.line(0, title);
}

// Section six and the banner, the same under every code. The design answer
// (建议), written from the records like the rest, goes between the summary and
// the banner.
void writeResults(const FormState& form, DesignCase& dc) {
  heading(dc, "六、验算结果汇总");
  writeSummary(dc.filestring, dc.checks);
  writeBanner(dc, form.field(3));
}

// GB 51022-2015: its own sections one to five.
void writeGb51022Report(const FormState& form, DesignCase& dc, std::string& step) {
  writeProjectHeader(dc);
  writeGb51022Sections(dc, step);
  writeResults(form, dc);
}

// The report from section one to the banner; `step` names the part being
// worked on, for the message when a value turns out not finite.
void writeReport(const FormState& form, DesignCase& dc, Platform& ui, std::string& step) {
  step = "截面特性计算";
  dc.labout = "数据输入正确!" + std::string(18, ' ') + "截面特性计算完毕!" + std::string(14, ' ');
  if (dc.code == DesignCode::Gb51022) {
    writeGb51022Report(form, dc, step);
    return;
  }
  writeHeaderAndKnownConditions(dc);
  step = "荷载组合计算";
  const double alpha = roofAngle(dc);
  heading(dc, "二、线荷载设计值计算");
  const LoadCombinations combos = loadCombinations(dc, alpha);
  dc.labout += "荷载组合计算完毕!" + std::string(14, ' ');
  step = "檩条强度计算";
  heading(dc, "三、檩条强度计算");
  const StrengthChecks checked = strengthSection(dc, ui, combos);
  step = "有效截面特性计算";
  effectiveSection(dc);
  effectiveSectionStrength(dc, combos, checked);
  step = "檩条稳定计算";
  heading(dc, "四、檩条稳定计算");
  stabilitySection(dc, combos);
  step = "檩条构造以及变形计算";
  heading(dc, "五、檩条构造以及变形计算");
  slendernessAndDeflection(dc, alpha);
  writeResults(form, dc);
}

bool runSteps(const FormState& form, DesignCase& dc, Platform& ui, std::string& step) {
  step = "数据输入";
  copyWindowControls(form, dc);
  dc.checks.clear();
  dc.effectflag = false;  // a flag left by the last run must not reshape this one's section
  digitalinput(form, dc);
  if (dc.code == DesignCode::None && dc.errstr.empty()) dc.errstr = kNoDesignCode;
  if (!listsComplete(dc, ui)) return false;
  guardInputs(dc);
  step = "截面特性计算";
  grossSection(dc);
  guardSection(dc);
  dc.gross = {dc.area, dc.ix, dc.iy, dc.it, dc.iw};
  writeReport(form, dc, ui, step);
  return true;
}

}  // namespace

RunOutcome cmdshow_Click(const FormState& form, DesignCase& dc, Platform& ui, ReportMode mode) {
  const ReportText previousReport = dc.filestring;
  dc.filestring.setMuted(mode == ReportMode::Quiet);
  const std::string previousLabout = dc.labout;
  std::string step;
  bool completed = false;
  try {
    completed = runSteps(form, dc, ui, step);
  } catch (const RunRefused& refused) {
    ui.messageBox(refused.text(), refused.title(), MessageIcon::Exclamation);
  } catch (const RunCancelled&) {
    // the user's own Cancel: nothing to explain
  } catch (const NonFiniteValue&) {
    ui.messageBox("计算在“" + step + "”中得到无效数值(无穷大或非数)，计算已停止，请核对输入数据!", kInputCheckTitle,
                  MessageIcon::Exclamation);
  }
  if (!completed) {
    dc.filestring = previousReport;
    dc.labout = previousLabout;
    return {};
  }
  if (!dc.errstr.empty()) listsComplete(dc, ui);  // nothing in the run sets it; kept for the same box
  return {true, dc.filestring.str(), dc.checks, dc.filestring.tables()};
}

}  // namespace veldrin
