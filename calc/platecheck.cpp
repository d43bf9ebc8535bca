#include "calc/platecheck.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "basetypes/runstop.h"
#include "calc/checkrecords.h"
#include "calc/stresscheck.h"
#include "input/numberrules.h"

namespace veldrin {

namespace {

const char* const kOverstressTitle = "应力超过设计强度,请重新输入数据!";
const char* const kWebOverstressWarning = "腹板4或7处应力大于设计强度，查看计算结果后请重新调整檩条数据!";
const char* const kLipEdgeCoefficient = "一边支撑一边卷边σmax在卷边边板件容许宽厚比系数ξ=";

// What the report calls one flange and its two ends.
struct FlangeTexts {
  const char* plate;
  const char* htf;
  const char* lipPoint;      // σmax: the lip end
  const char* supportPoint;  // σmin: the web end
  const char* tensionPassed;
  const char* tensionFailed;
  const char* warning;
};

const FlangeTexts kUpper{"上翼缘", "htf1", "σ8", "σ7", "7、8处应力均小于设计强度，上翼缘全截面有效，上翼缘满足要求!",
                         "上翼缘7或8处应力大于设计强度，请重新调整檩条数据!",
                         "上翼缘7或8处应力大于设计强度，查看计算结果后请重新调整檩条数据!"};
const FlangeTexts kLower{"下翼缘", "htf2", "σ3", "σ4", "3、4处应力均小于设计强度，下翼缘全截面有效，下翼缘满足要求!",
                         "下翼缘3或4处应力大于设计强度，请重新调整檩条数据!",
                         "下翼缘3或4处应力大于设计强度，查看计算结果后请重新调整檩条数据!"};

struct Flange {
  const FlangeTexts& texts;
  double lip, support;  // stresses at the lip end and at the web end
  Single& width;        // be1 or be2
};

CheckElement recordedAs(const Flange& f) { return &f.texts == &kUpper ? CheckElement::Upper : CheckElement::Lower; }

void tensionTest(DesignCase& dc, Platform& ui, const Flange& f) {
  const bool passes = std::fabs(f.lip) <= dc.steelfy && std::fabs(f.support) <= dc.steelfy;
  recordStrength(dc, recordedAs(f), std::max(std::fabs(f.lip), std::fabs(f.support)), passes);
  if (passes) {
    dc.filestring.line(11, f.texts.tensionPassed);
    return;
  }
  dc.filestring.line(11, f.texts.tensionFailed);
  ui.messageBox(f.texts.warning, kOverstressTitle, MessageIcon::Exclamation);
}

// A flange that needs an effective section may also be stressed beyond fy;
// the effective section does not lower its stress, so that fails on its own.
bool compressionWithinFy(const DesignCase& dc, double smax) { return smax <= dc.steelfy; }

// Returns whether σmax stays within fy; only a failure is written.
bool reducedFlangeStress(DesignCase& dc, const Flange& f, double smax, const char* smaxPoint) {
  const bool within = compressionWithinFy(dc, smax);
  recordStrength(dc, recordedAs(f), smax, within);  // needing an effective section is no failure by itself
  if (!within) {
    dc.filestring.line(11, f.texts.plate, "最大压应力", smaxPoint, ">fy=", dc.steelfy, "MPa,", f.texts.plate,
                       "不满足强度要求!(************)");
  }
  return within;
}

// Compares the allowable ratio 100·sqrt(ξ/σmax) with b/t; a flange that
// fails gets the width its allowable ratio carries, htf·t.
void ratioTest(DesignCase& dc, const Flange& f, double xi, double smax, const char* smaxPoint, const char* xiLabel) {
  ReportText& r = dc.filestring;
  const char* htf = f.texts.htf;
  r.line(11, xiLabel, xi);
  const double allowed = truncateTo(100 * std::sqrt(xi / smax), 2);
  r.line(11, "计算板件容许宽厚比", htf, "=100*sqrt(ξ/σmax)=100*sqrt(", xi, "/", smax, ")=", allowed);
  const Single actual = dc.b / dc.t;
  const Single shown = truncateTo(actual, 2);
  if (allowed < actual) {
    r.line(11, "计算板件容许宽厚比", htf, "=", allowed, "<=", "实际宽厚比b/t=", shown, ",需进行有效截面的的计算!");
    f.width = allowed * dc.t;
    dc.effectflag = true;
    reducedFlangeStress(dc, f, smax, smaxPoint);
    return;
  }
  const bool within = smax <= dc.steelfy;
  recordStrength(dc, recordedAs(f), smax, within);
  r.line(11, "计算板件容许宽厚比", htf, "=", allowed, ">=", "实际宽厚比b/t=", shown, within ? "并且" : "但是", smaxPoint,
         within ? "<=fy=" : ">fy=", dc.steelfy, "MPa");
  r.line(11, f.texts.plate, within ? "满足工程要求!" : "不满足工程要求!(************)");
}

// The lip end is not compressed: with compression at the web end only the
// flange is taken as uniformly compressed at that stress; with none it has
// nothing to buckle and is tested as a tension flange.
void lipEndNotCompressed(DesignCase& dc, Platform& ui, const Flange& f) {
  ReportText& r = dc.filestring;
  if (f.support <= 0) {
    r.line(11, f.texts.plate, "两端应力均不是压应力,板件不会局部屈曲,按受拉板件验算:");
    tensionTest(dc, ui, f);
    return;
  }
  r.line(11, f.texts.plate, "卷边边", f.texts.lipPoint, "=", f.lip, "MPa不是压应力,压应力在支承边,按一边支撑一边卷边均匀受压板件考虑,σmax取",
         f.texts.supportPoint, "=", f.support, "MPa");
  ratioTest(dc, f, 14, f.support, f.texts.supportPoint, "按均匀受压板件取容许宽厚比系数ξ=");
}

void compressedFlange(DesignCase& dc, Platform& ui, const Flange& f) {
  if (f.lip <= 0) {
    lipEndNotCompressed(dc, ui, f);
    return;
  }
  ReportText& r = dc.filestring;
  const double alpha = truncateTo((f.lip - f.support) / f.lip, 2);
  if (alpha < 0.2) {
    r.line(11, "一边支撑一边卷边σmax在卷边边板件截面边缘系数α<0.2,按一边支撑一边卷边均匀受压板件考虑");
  }
  r.line(11, "截面边缘系数α=(σmax-σmin)/σmax＝(", f.lip, "-", operand(f.support), ")/", f.lip, "=", alpha);
  ratioTest(dc, f, allowableRatioCoefficient(alpha), f.lip, f.texts.lipPoint, kLipEdgeCoefficient);
}

void flangeCheck(DesignCase& dc, Platform& ui, const Flange& f, bool compressed) {
  if (compressed) compressedFlange(dc, ui, f);
  else tensionTest(dc, ui, f);
}

void upperFlange(DesignCase& dc, Platform& ui, double mx, double my, Single x0, const CornerStresses& s) {
  ReportText& r = dc.filestring;
  r.line(7, "1.檩条上翼缘为一边支撑一边卷边非均匀", mx >= 0 ? "受压" : "受拉",
         "板件，计算板端点7、8处应力(压应力为正值，拉应力为负值):");
  r.line(11, "A.点7处应力为:");
  cornerLine(dc, Corner::Seven, mx, my, x0, 0.0, s.s7);
  r.line(11, "B.点8处应力为:");
  cornerLine(dc, Corner::Eight, mx, my, x0, 0.0, s.s8);
  flangeCheck(dc, ui, Flange{kUpper, s.s8, s.s7, dc.be1}, mx >= 0);
}

void lowerFlange(DesignCase& dc, Platform& ui, double mx, double my, Single x0, const CornerStresses& s) {
  ReportText& r = dc.filestring;
  r.line(7, "2.檩条下翼缘为一边支撑一边卷边非均匀", mx < 0 ? "受压" : "受拉",
         "板件，计算板端点3、4处应力(压应力为正值，拉应力为负值):");
  r.line(11, "A.点3处应力为:");
  cornerLine(dc, Corner::Three, mx, my, x0, 0.0, s.s3);
  r.line(11, "B.点4处应力为:");
  cornerLine(dc, Corner::Four, mx, my, x0, 0.0, s.s4);
  flangeCheck(dc, ui, Flange{kLower, s.s3, s.s4, dc.be2}, mx <= 0);
}

// No ratio is made up: an answer that is not a positive number is refused
// and the question asked again; Cancel stops the run.
double askWebRatio(Platform& ui, const CornerStresses& s, Single slenderness) {
  const std::string prompt = "腹板两边支撑非均匀受压板件(实际应力σ4=" + numText(s.s4) + "MPa,σ7=" + numText(s.s7) + "MPa;" +
                             "实际宽厚比btf=" + numText(slenderness) + ")，请输入腹板有效宽厚比(大于0的数值):";
  for (;;) {
    const std::optional<std::string> answer = ui.inputBox(prompt, kWebRatioTitle);
    if (!answer) throw RunCancelled();
    if (const std::optional<double> ratio = webRatioAnswer(*answer)) return *ratio;
    ui.messageBox(kWebRatioRefused, kWebRatioTitle, MessageIcon::Exclamation);
  }
}

double largerWebStress(const CornerStresses& s) { return std::max(std::fabs(s.s4), std::fabs(s.s7)); }

void webStressTest(DesignCase& dc, Platform& ui, const CornerStresses& s, const char* lead) {
  const bool passes = largerWebStress(s) <= dc.steelfy;
  recordStrength(dc, CheckElement::Web, largerWebStress(s), passes);
  if (passes) {
    dc.filestring.line(11, lead, "4、7处应力均小于设计强度，腹板全截面有效，腹板满足要求!");
    return;
  }
  dc.filestring.line(11, lead, "腹板4或7处应力大于设计强度，请重新调整檩条数据!");
  ui.messageBox(kWebOverstressWarning, kOverstressTitle, MessageIcon::Exclamation);
}

// Like a flange, a web that needs an effective section can be overstressed
// too; returns whether max(σ4, σ7) stays within fy.
bool reducedWebStress(DesignCase& dc, Platform& ui, const CornerStresses& s) {
  const bool within = compressionWithinFy(dc, std::max(s.s4, s.s7));
  recordStrength(dc, CheckElement::Web, std::max(s.s4, s.s7), within);  // as for a flange
  if (!within) {
    dc.filestring.line(11, "腹板最大压应力>fy=", dc.steelfy, "MPa,腹板不满足强度要求!(************)");
    ui.messageBox(kWebOverstressWarning, kOverstressTitle, MessageIcon::Exclamation);
  }
  return within;
}

// The web's ends are the flanges' points 4 and 7, with the same stresses.
void webLines(DesignCase& dc, double mx, double my, Single x0, const CornerStresses& s) {
  ReportText& r = dc.filestring;
  r.line(7, "3.檩条腹板为两边支撑非均匀受压板件，板端点4、7处应力(压应力为正值，拉应力为负值):");
  r.line(11, "A.点4处应力为:");
  cornerLine(dc, Corner::Four, mx, my, x0, 0.0, s.s4);
  r.line(11, "B.点7处应力为:");
  cornerLine(dc, Corner::Seven, mx, my, x0, 0.0, s.s7);
}

// σa is the more compressed end (σ7 when mx > 0, else σ4); when it is not
// compressed the web has nothing to buckle and no ratio is asked for.
void web(DesignCase& dc, Platform& ui, double mx, double my, Single x0, const CornerStresses& s) {
  webLines(dc, mx, my, x0, s);
  const double sa = mx > 0 ? s.s7 : s.s4, sb = mx > 0 ? s.s4 : s.s7;
  ReportText& r = dc.filestring;
  if (sa <= 0) {
    r.line(11, "腹板4、7处均不是压应力,腹板不会局部屈曲,按受拉板件验算:");
    webStressTest(dc, ui, s, "");
    return;
  }
  const double alpha = truncateTo((sa - sb) / sa, 4);
  r.line(11, "薄壁型钢构件的计算参数为:α＝(σmax-σmin)/σmax＝(", sa, "-", operand(sb), ")/", sa, "=", alpha);
  const Single slenderness = dc.h / dc.t;
  const double htf3 = askWebRatio(ui, s, slenderness);
  r.line(11, "腹板有效宽厚比为:htf3=", htf3);
  if (htf3 >= slenderness) {
    webStressTest(dc, ui, s, "腹板有效宽厚比大于实际宽厚比，腹板全部有效!");
    return;
  }
  r.line(11, "腹板有效宽厚比小于实际宽厚比,应进行有效截面的计算");
  dc.he = htf3 * dc.t;
  dc.effectflag = true;
  reducedWebStress(dc, ui, s);
}

}  // namespace

std::optional<double> webRatioAnswer(const std::string& answer) {
  if (!isNumeric(answer)) return std::nullopt;
  const double ratio = leadingNumber(answer);
  if (!(std::isfinite(ratio) && ratio > 0)) return std::nullopt;
  return ratio;
}

double allowableRatioCoefficient(double alpha) {
  static const int xi[10] = {14, 16, 17, 18, 20, 30, 38, 45, 46, 47};
  if (alpha < 0.2) return xi[0];
  if (alpha >= 2.0) return xi[9];
  // The bracket 0.2·i <= α < 0.2·(i+1) found on the decimal hundredths, so
  // that 0.6 lies in the bracket it names.
  const double hundredths = roundTo15(alpha * 100);
  const int i = std::clamp(static_cast<int>(std::floor(hundredths)) / 20, 1, 9);
  return xi[i - 1] + (xi[i] - xi[i - 1]) * (hundredths - 20 * i) / 20;
}

void neilicheck_code2(DesignCase& dc, Platform& ui, double mx, double my) {
  requireBendingStiffness(dc);
  dc.he = dc.h;  // every element starts at its full width
  dc.be1 = dc.b;
  dc.be2 = dc.b;
  const Single x0 = truncateTo(dc.centerx, 2);
  const CornerStresses s = cornerStresses(dc, mx, my, x0, Single(0));
  upperFlange(dc, ui, mx, my, x0, s);
  lowerFlange(dc, ui, mx, my, x0, s);
  web(dc, ui, mx, my, x0, s);
}

}  // namespace veldrin
