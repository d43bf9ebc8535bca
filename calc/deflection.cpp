// Section five: the slenderness about both axes against 220 and the mid-span
// deflection under characteristic loads, gravity and wind, against the limit
// chosen in the window.
#include "calc/deflection.h"

#include <array>
#include <cmath>

#include "input/digitalinput.h"
#include "basetypes/runstop.h"
#include "calc/checkrecords.h"

namespace veldrin {

namespace {

constexpr int kModulus = 206000;  // E, MPa

struct DeflectionLimit {
  double minimumRatio;  // L/f at least this
  const char* pass;
  const char* fail;
};

const std::array<DeflectionLimit, 3> kLimits = {{
    {150, "<=1/150,挠度满足要求!", ">1/150,挠度不满足要求!(*************)"},
    {240, "<=1/240,挠度满足要求!", ">1/240,挠度不满足要求!(*************)"},
    {360, "<=1/360,挠度满足要求!", ">1/360,挠度不满足要求!(*************)"},
}};

// The limit of the selected list position; none outside the list.
const DeflectionLimit* selectedLimit(const DesignCase& dc) {
  if (dc.deflectionLimit < 0 || dc.deflectionLimit > 2) return nullptr;
  return &kLimits[static_cast<std::size_t>(dc.deflectionLimit)];
}

// The verdict text of a case, and its record (none without a chosen limit).
const char* deflectionVerdict(DesignCase& dc, bool windCase, const char* loads, double ratio, double fShown, Single Lx) {
  const DeflectionLimit* limit = selectedLimit(dc);
  if (limit == nullptr) return "";
  const bool passes = ratio >= limit->minimumRatio;
  recordDeflection(dc, windCase, loads, ratio, limit->minimumRatio, passes, fShown, Lx);
  return passes ? limit->pass : limit->fail;
}

// No deflection at all: recorded as a ratio of 0, which no limit is measured against.
const char* passText(DesignCase& dc, bool windCase, const char* loads) {
  const DeflectionLimit* limit = selectedLimit(dc);
  if (limit == nullptr) return "";
  recordDeflection(dc, windCase, loads, 0, limit->minimumRatio, true, 0, 0);
  return limit->pass;
}

const char* slendernessVerdict(DesignCase& dc, bool strongAxis, double lambda) {
  const bool passes = lambda <= 220;
  recordSlenderness(dc, strongAxis, lambda, passes);
  return passes ? "<=[220],满足要求!" : ">[220],不满足要求!(*************)";
}

// Zero or negative section values would divide by zero or root a negative.
void requireSection(const DesignCase& dc) {
  if (dc.area > 0 && dc.ix > 0 && dc.iy > 0) return;
  throw RunRefused(kInputCheckTitle, "截面面积A及惯性矩Ix、Iy必须大于0，无法进行长细比及挠度计算，请核对截面尺寸!");
}

void slenderness(DesignCase& dc, Single Lx) {
  ReportText& r = dc.filestring;
  r.line(3, "<一>长细比计算");
  setEffectiveLengthFactor(dc, dc.latiaonum);
  const Single Ly = dc.mub * dc.marlolength * 1000;
  const double lambdaX = truncateTo(Lx / std::sqrt(dc.ix / dc.area), 2);
  const double lambdaY = truncateTo(Ly / std::sqrt(dc.iy / dc.area), 2);
  r.line(6, "强轴平面内计算长度为Lx=", Lx, "mm");
  r.line(6, "强轴平面外计算长度为Ly=", dc.mub, "*", Lx, "=", Ly, "mm");
  r.line(6, "檩条弯矩作用平面内的长细比λx=Lx/Sqr(Ix/A)=", Lx, "/Sqr(", dc.ix, "/", dc.area, ")=", lambdaX,
         slendernessVerdict(dc, true, lambdaX));
  r.line(6, "檩条弯矩作用平面外的长细比λy=Ly/Sqr(Iy/A)=", Ly, "/Sqr(", dc.iy, "/", dc.area, ")=", lambdaY,
         slendernessVerdict(dc, false, lambdaY));
}

// Mid-span deflection in mm of a simply supported span under qk (KN/m).
double midSpanDeflection(const DesignCase& dc, double qk) {
  return 5 * qk * std::pow(static_cast<double>(dc.marlolength), 4) * 1e12 / (384.0 * kModulus * dc.ix);
}

// L/f floored to 0.1, from the size of f: the limit bounds an upward
// deflection as much as a downward one. (Flooring the negative L/f and
// turning it positive would round the ratio up: 288.32 would read 1/288.4
// and 359.98 pass 1/360.)
double spanRatio(Single Lx, double f) { return truncateTo(Lx / std::fabs(f), 1); }

void writeDeflection(DesignCase& dc, double qk, Single Lx, bool windCase, const char* loads) {
  const double f = midSpanDeflection(dc, qk);
  const double fShown = truncateTo(f, 2);
  // qk in KN/m is N/mm, as the span in mm and E in MPa need it.
  dc.filestring.line(9, "f=5*qk*L^4/(384*E*Ix)=5*", operand(qk), "*", Lx, "^4/(384*", kModulus, "*", dc.ix, ")=", fShown,
                     "mm");
  if (f == 0) {  // no load, no deflection: nothing to divide by, and nothing to exceed
    dc.filestring.line(9, "f/L=0/", Lx, passText(dc, windCase, loads));
    return;
  }
  const double ratio = spanRatio(Lx, f);
  dc.filestring.line(9, f < 0 ? "|f|/L=" : "f/L=", std::fabs(fShown), "/", Lx, "=1/", ratio,
                     deflectionVerdict(dc, windCase, loads, ratio, fShown, Lx));
}

// Dead + live + the larger of snow and dust (snow on a tie); only the snow
// case floors qk.
void gravityCase(DesignCase& dc, double alpha, Single Lx) {
  const bool snow = dc.ksnowload >= dc.kdurtload;
  const double third = snow ? dc.ksnowload : dc.kdurtload;
  const double load = (dc.kdeadload + dc.kliveload + third) * dc.marlobay * std::cos(alpha);
  const double qk = snow ? truncateTo(load, 2) : load;
  dc.filestring.line(3, snow ? "<二>在恒载、活载、雪载作用下的变形计算" : "<二>在恒载、活载、积灰荷载作用下的变形计算");
  dc.filestring.line(6, "线荷载标准值为:");
  dc.filestring.line(9, snow ? "qk=(qD+qL+qS)*a*cos(α)=(" : "qk=(qD+qL+qA)*a*cos(α)=(", dc.kdeadload, "+",
                     operand(dc.kliveload), "+", operand(third), ")*", dc.marlobay, "*cos(", degreesShown(alpha), ")=", qk,
                     "KN/m");
  writeDeflection(dc, qk, Lx, false, snow ? "恒载、活载、雪载" : "恒载、活载、积灰荷载");
}

// Dead load with the characteristic wind, without the adjustment factor.
void windCase(DesignCase& dc, double alpha, Single Lx) {
  const double qk = truncateTo(
      dc.kdeadload * dc.marlobay * std::cos(alpha) + dc.kwindload * dc.windhigh * dc.windstyle * dc.marlobay, 2);
  dc.filestring.line(3, "<三>在恒载、风载作用下的变形计算");
  dc.filestring.line(6, "线荷载标准值为:");
  // A negative μs brings its own minus sign; any other needs the plus of the sum.
  const char* plus = dc.windstyle >= 0 ? "+" : "";
  dc.filestring.line(9, "qk=qD*a*cos(α)+μs*μz*qW*a=", dc.kdeadload, "*", dc.marlobay, "*cos(", degreesShown(alpha), ")",
                     plus, dc.windstyle, "*", operand(dc.windhigh), "*", operand(dc.kwindload), "*", dc.marlobay, "=", qk,
                     "KN/m");
  writeDeflection(dc, qk, Lx, true, "恒载、风载");
}

}  // namespace

void slendernessAndDeflection(DesignCase& dc, double alpha) {
  requireSection(dc);
  const Single Lx = dc.marlolength * 1000;
  slenderness(dc, Lx);
  gravityCase(dc, alpha, Lx);
  windCase(dc, alpha, Lx);
}

}  // namespace veldrin
