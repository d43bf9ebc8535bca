#include "calc/effectivestrength.h"

#include "calc/checkrecords.h"

namespace veldrin {

EffectiveSectionCheck effectiveSectionCheck(const DesignCase& dc, double mx, double my) {
  requireBendingStiffness(dc);
  EffectiveSectionCheck c;
  c.stresses = checkedCornerStresses(dc, mx, my);
  c.largest = largestMagnitude(c.stresses);
  c.passes = c.largest <= dc.steelfy;
  return c;
}

void writeEffectiveSectionCheck(DesignCase& dc, int combination, const EffectiveSectionCheck& c) {
  ReportText& r = dc.filestring;
  const CornerStresses& s = c.stresses;
  recordEffective(dc, combination, c.largest, c.passes);
  r.line(7, "荷载组合", chineseNumeral(combination), "有效截面应力(Ix=", dc.ix, ",Iy=", dc.iy, "):");
  r.line(11, "σ7=", s.s7, "MPa;σ8=", s.s8, "MPa;σ3=", s.s3, "MPa;σ4=", s.s4, "MPa");
  if (c.passes) {
    r.line(11, "有效截面最大应力|σ|=", c.largest, "MPa<=f=", dc.steelfy, "MPa,满足强度要求!");
  } else {
    r.line(11, "有效截面最大应力|σ|=", c.largest, "MPa>f=", dc.steelfy, "MPa,不满足强度要求!(************)");
  }
}

}  // namespace veldrin
