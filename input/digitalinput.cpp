#include "input/digitalinput.h"

#include <cmath>

#include "input/numberrules.h"
#include "basetypes/runstop.h"

namespace veldrin {

namespace {

[[noreturn]] void refuseTooLarge(int box) {
  throw RunRefused(kInputCheckTitle, fieldLabel(box) + "输入值超出可计算的数值范围，请核对后输入!");
}

double doubleField(const FormState& form, int box) {
  const double v = leadingNumber(form.field(box));
  if (!std::isfinite(v)) refuseTooLarge(box);
  return v;
}

Single floatField(const FormState& form, int box) {
  const Single v = doubleField(form, box);
  if (!std::isfinite(static_cast<double>(v))) refuseTooLarge(box);
  return v;
}

}  // namespace

void readFields(const FormState& form, DesignCase& dc) {
  dc.projectname = form.field(1);
  dc.projectcode = form.field(2);
  dc.projecttime = form.field(3);
  dc.h = floatField(form, 4);
  dc.b = floatField(form, 5);
  dc.a = floatField(form, 6);
  dc.t = floatField(form, 7);
  dc.kwindload = doubleField(form, 8);
  dc.windhigh = floatField(form, 9);
  dc.windstyle = doubleField(form, 10);
  dc.marlolength = floatField(form, 11);
  dc.marlobay = doubleField(form, 12);
  dc.degree = floatField(form, 13);
  dc.kdeadload = doubleField(form, 14);
  dc.kliveload = doubleField(form, 15);
  dc.ksnowload = doubleField(form, 16);
  dc.kdurtload = doubleField(form, 17);
  dc.kshigongload = doubleField(form, 18);
}

namespace {

// The strengths of a grade. GBJ18-87 keeps lower design strengths than
// CECS102:98 (GB 50018-2002 Table 4.2.1 keeps the values of GBJ18-87); the
// yield strength fyk is the grade's own under both codes.
struct SteelStrengths {
  std::int16_t fy;
  double fv;
  std::int16_t fyk;
};

SteelStrengths strengthsOf(int grade, DesignCode code) {
  if (code == DesignCode::Gb51022) {  // GB 51022-2015 Table 3.2.4-1, t <= 6 mm
    return grade == 0 ? SteelStrengths{215, 125, 235} : SteelStrengths{305, 175, 345};
  }
  const bool gbj = code == DesignCode::Gbj18;
  if (grade == 0) return gbj ? SteelStrengths{205, 120, 235} : SteelStrengths{215, 125, 235};
  return gbj ? SteelStrengths{300, 175, 345} : SteelStrengths{315, 185, 345};
}

}  // namespace

void readLists(const FormState& form, DesignCase& dc) {
  if (form.combo1 == 0 || form.combo1 == 1) {
    dc.steelGrade = form.combo1;
    const SteelStrengths s = strengthsOf(form.combo1, dc.code);
    dc.steelfy = s.fy;
    dc.steelfv = s.fv;
    dc.steelfyk = s.fyk;
  } else {
    dc.errstr = kNoSteelGrade;
  }
  if (form.combo2 < 0) dc.errstr = kNoDeflectionLimit;
  if (form.combo3 >= 0 && form.combo3 <= 2) {
    dc.latiaonum = static_cast<std::int16_t>(form.combo3);
  } else {
    dc.errstr = kNoSagRods;
  }
}

void setEffectiveLengthFactor(DesignCase& dc, int sagRods) {
  static constexpr double kFactors[] = {1.0, 0.5, 0.33};
  if (sagRods >= 0 && sagRods <= 2) dc.mub = kFactors[sagRods];
}

void digitalinput(const FormState& form, DesignCase& dc) {
  readFields(form, dc);
  readLists(form, dc);
}

}  // namespace veldrin
