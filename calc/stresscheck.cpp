#include "calc/stresscheck.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/checkrecords.h"
#include "calc/effectivewidth.h"
#include "calc/sectionproperties.h"
#include "basetypes/runstop.h"

namespace veldrin {

namespace {

// mx/ix·(h/2 − yc) at the upper flange, −mx/ix·(h/2 + yc) at the lower one.
struct BendingTerm {
  double mx, ix;
  Single h, yc;
  bool below;
};

void appendReportPiece(std::string& l, const BendingTerm& t) {
  l += t.below ? "-" + operandText(t.mx) : numText(t.mx);
  l += "/" + numText(t.ix) + "*";
  if (t.yc == 0) {
    l += numText(t.h) + "/2";
  } else {
    l += "(" + numText(t.h) + (t.below ? "/2+" : "/2-") + operandText(t.yc) + ")";
  }
}

void refuseNonFiniteTerms(const BendingTerm& t) {
  if (!std::isfinite(t.mx) || !std::isfinite(t.ix) || !std::isfinite(t.h) || !std::isfinite(t.yc)) {
    throw NonFiniteValue();
  }
}

// −my/iy·x0 at the web, +my/iy·(b − x0) at the lips.
struct LateralTerm {
  double my, iy;
  Single b, x0;
  bool lips;
};

void appendReportPiece(std::string& l, const LateralTerm& t) {
  l += (t.lips ? "+" : "-") + operandText(t.my) + "/" + numText(t.iy) + "*";
  l += t.lips ? "(" + numText(t.b) + "-" + numText(t.x0) + ")" : numText(t.x0);
}

void refuseNonFiniteTerms(const LateralTerm& t) {
  if (!std::isfinite(t.my) || !std::isfinite(t.iy) || !std::isfinite(t.b) || !std::isfinite(t.x0)) {
    throw NonFiniteValue();
  }
}

const char* cornerLabel(Corner c, bool centroidMoved) {
  switch (c) {
    case Corner::Seven: return centroidMoved ? "σ7=mx/ix*(h/2-yc)-my/iy*x0=" : "σ7=mx/ix*h/2-my/iy*x0=";
    case Corner::Eight: return centroidMoved ? "σ8=mx/ix*(h/2-yc)+my/iy*(b-x0)=" : "σ8=mx/ix*h/2+my/iy*(b-x0)=";
    case Corner::Three: return centroidMoved ? "σ3=-mx/ix*(h/2+yc)+my/iy*(b-x0)=" : "σ3=-mx/ix*h/2+my/iy*(b-x0)=";
    case Corner::Four: return centroidMoved ? "σ4=-mx/ix*(h/2+yc)-my/iy*x0=" : "σ4=-mx/ix*h/2-my/iy*x0=";
  }
  return "";
}

// One combination's moments, the floored centroid position and the stresses.
struct Check {
  double mx, my;
  Single x0, yc;
  CornerStresses s;
};

void resetWidths(DesignCase& dc) {
  const Single halfH = dc.h / 2, halfB = dc.b / 2;
  dc.he1 = dc.he2 = halfH;
  dc.be11 = dc.be12 = dc.be21 = dc.be22 = halfB;
}

void cornerLineOf(DesignCase& dc, const Check& c, Corner corner, double sigma) {
  cornerLine(dc, corner, c.mx, c.my, c.x0, c.yc, sigma);
}

void upperFlangeLines(DesignCase& dc, const Check& c) {
  ReportText& r = dc.filestring;
  r.line(7, c.mx >= 0 ? "1.檩条上翼缘为一边支撑一边卷边非均匀受压板件，计算板端点7、8处应力(压应力为正值，拉应力为负值):"
                      : "1.檩条上翼缘为一边支撑一边卷边非均匀受拉板件，计算板端点7、8处应力(压应力为正值，拉应力为负值):");
  r.line(11, "A.点7处应力为:");
  cornerLineOf(dc, c, Corner::Seven, c.s.s7);
  r.line(11, "B.点8处应力为:");
  cornerLineOf(dc, c, Corner::Eight, c.s.s8);
}

void lowerFlangeLines(DesignCase& dc, const Check& c) {
  ReportText& r = dc.filestring;
  r.line(7, c.mx >= 0 ? "2.檩条下翼缘为一边支撑一边卷边受拉板件，计算板端点3、4处应力(压应力为正值，拉应力为负值):"
                      : "2.檩条下翼缘为一边支撑一边卷边非均匀受压板件，计算板端点3、4处应力(压应力为正值，拉应力为负值):");
  r.line(11, "A.点3处应力为:");
  cornerLineOf(dc, c, Corner::Three, c.s.s3);
  r.line(11, "B.点4处应力为:");
  cornerLineOf(dc, c, Corner::Four, c.s.s4);
}

// The web's ends are the flanges' points 4 and 7, with the same stresses.
void webLines(DesignCase& dc, const Check& c) {
  ReportText& r = dc.filestring;
  r.line(7, "3.檩条腹板为两边支撑非均匀受压板件，板端点4、7处应力(压应力为正值，拉应力为负值):");
  r.line(11, "A.点4处应力为:");
  cornerLineOf(dc, c, Corner::Four, c.s.s4);
  r.line(11, "B.点7处应力为:");
  cornerLineOf(dc, c, Corner::Seven, c.s.s7);
}

// The flange in tension passes when |σ| <= fy at its web junction.
bool lowerFlangeInTension(DesignCase& dc, const Check& c) {
  const bool passes = std::fabs(c.s.s4) <= dc.steelfy;
  recordStrength(dc, CheckElement::Lower, std::fabs(c.s.s4), passes);
  if (passes) {
    dc.filestring.line(11, "檩条下翼缘最大应力σ4<=fy=", dc.steelfy, "MPa,下翼缘满足要求!");
    return true;
  }
  dc.filestring.line(11, "檩条下翼缘最大应力σ4>fy=", dc.steelfy, "MPa,下翼缘不满足要求!(************)");
  dc.labout += "下翼缘应力超标,不满足要求";
  return false;
}

bool upperFlangeInTension(DesignCase& dc, const Check& c) {
  const bool passes = std::fabs(c.s.s7) <= dc.steelfy;
  recordStrength(dc, CheckElement::Upper, std::fabs(c.s.s7), passes);
  if (passes) {
    dc.filestring.line(11, "檩条上翼缘最大应力σ7<=fy=", dc.steelfy, "MPa,上翼缘满足要求!");
    return true;
  }
  dc.filestring.line(11, "檩条上翼缘最大应力σ7>fy=", dc.steelfy, "MPa,上翼缘不满足要求!(************)");
  return false;
}

// Both flanges in report order; returns whether the flange in tension passed.
bool flanges(DesignCase& dc, const Check& c) {
  upperFlangeLines(dc, c);
  if (c.mx >= 0) {
    youxiaokuandu_code1(dc, c.s.s7, c.s.s8, dc.b, 1);
    lowerFlangeLines(dc, c);
    return lowerFlangeInTension(dc, c);
  }
  const bool upperPassed = upperFlangeInTension(dc, c);
  lowerFlangeLines(dc, c);
  youxiaokuandu_code1(dc, c.s.s4, c.s.s3, dc.b, 2);
  return upperPassed;
}

}  // namespace

CornerStresses cornerStresses(const DesignCase& dc, double mx, double my, Single x0, Single yc) {
  const double half = dc.h / 2;
  const double above = half - yc, below = half + yc, lipArm = dc.b - x0;
  CornerStresses s;
  s.s7 = truncateTo(mx / dc.ix * above - my / dc.iy * x0, 2);
  s.s8 = truncateTo(mx / dc.ix * above + my / dc.iy * lipArm, 2);
  s.s4 = truncateTo(-mx / dc.ix * below - my / dc.iy * x0, 2);
  s.s3 = truncateTo(-mx / dc.ix * below + my / dc.iy * lipArm, 2);
  return s;
}

void cornerLine(DesignCase& dc, Corner corner, double mx, double my, Single x0, Single yc, double sigma) {
  const bool below = corner == Corner::Three || corner == Corner::Four;
  const bool lips = corner == Corner::Eight || corner == Corner::Three;
  dc.filestring.line(13, cornerLabel(corner, yc != 0), BendingTerm{mx, dc.ix, dc.h, yc, below},
                     LateralTerm{my, dc.iy, dc.b, x0, lips}, "=", sigma, "MPa");
}

CornerStresses checkedCornerStresses(const DesignCase& dc, double mx, double my) {
  const Single x0 = truncateTo(dc.centerx, 2);
  const Single yc = dc.code == DesignCode::Cecs102 ? Single(truncateTo(dc.centery, 2)) : Single(0);
  return cornerStresses(dc, mx, my, x0, yc);
}

double largestMagnitude(const CornerStresses& s) {
  return std::max({std::fabs(s.s7), std::fabs(s.s8), std::fabs(s.s3), std::fabs(s.s4)});
}

void requireBendingStiffness(const DesignCase& dc) {
  const char* suffix = "不大于0，截面尺寸无法构成有效截面，请核对截面尺寸!";
  if (!(std::isfinite(dc.ix) && dc.ix > 0)) throw RunRefused(kInputCheckTitle, std::string("截面惯性矩Ix") + suffix);
  if (!(std::isfinite(dc.iy) && dc.iy > 0)) throw RunRefused(kInputCheckTitle, std::string("截面惯性矩Iy") + suffix);
}

void neilicheck_code1(DesignCase& dc, double mx, double my) {
  requireBendingStiffness(dc);
  resetWidths(dc);
  dc.effectflag = false;  // set from here on only by a failing flange or web
  const Single x0 = truncateTo(dc.centerx, 2), yc = truncateTo(dc.centery, 2);
  const Check c{mx, my, x0, yc, cornerStresses(dc, mx, my, x0, yc)};
  const bool tensionFlangePassed = flanges(dc, c);
  webLines(dc, c);
  youxiaokuandu_code1(dc, c.s.s4, c.s.s7, dc.h, 3);
  if (dc.effectflag) {
    jiemiantx_code1(dc, dc.h, dc.b, dc.a, dc.t, dc.he1, dc.he2, dc.be11, dc.be12, dc.be21, dc.be22);
  } else if (tensionFlangePassed) {
    dc.filestring.line(7, "该荷载组合满足工程强度要求!");
  }
}

}  // namespace veldrin
