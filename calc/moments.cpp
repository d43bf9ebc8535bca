#include "calc/moments.h"

#include <cmath>

#include "calc/platecheck.h"
#include "calc/stresscheck.h"

namespace veldrin {

namespace {

// The loads of one combination on the span, with the roof angle.
struct SpanLoads {
  Single qx, qy, Q, L;
  double alpha;  // radians, unrounded
  double alphaDeg;  // shown in the sine and cosine terms, floored to 0.01 degree
};

// Sag rods support the purlin sideways, so the weak-axis span is shorter.
double weakAxisDivisor(std::int16_t latiaonum) {
  if (latiaonum == 1) return 32;
  if (latiaonum == 2) return 360;
  return 8;
}

double strongAxisMoment(const SpanLoads& s) {
  const double l2 = std::pow(static_cast<double>(s.L), 2);
  double m = s.qy * l2 / 8;
  if (s.Q != 0) m += s.Q * s.L / 2 * std::cos(s.alpha);
  return m;
}

// The point load at mid-span stands at a single rod and bends nothing
// sideways there; with two rods a share of 0.175 of it remains.
double weakAxisMoment(const SpanLoads& s, std::int16_t latiaonum) {
  const double l2 = std::pow(static_cast<double>(s.L), 2);
  const double m = s.qx * l2 / weakAxisDivisor(latiaonum);
  if (s.Q == 0 || latiaonum == 1) return m;
  if (latiaonum == 2) return m + 0.175 * s.Q * s.L / 2 * std::sin(s.alpha);
  return m + s.Q * s.L / 2 * std::sin(s.alpha);
}

void strongAxisLines(DesignCase& dc, const SpanLoads& s, double mx) {
  dc.filestring.line(7, "强轴弯矩设计值为:");
  if (s.Q == 0) {
    dc.filestring.line(11, "Mx=qy*L^2/8=", s.qy, "*", s.L, "^2/8=", mx, "KN.m");
  } else {
    dc.filestring.line(11, "Mx=qy*L^2/8+Q*L/2*cos(α)=", s.qy, "*", s.L, "^2/8+", operand(s.Q), "*", s.L, "/2*cos(",
                       s.alphaDeg, ")=", mx, "KN.m");
  }
}

void weakAxisFormula(DesignCase& dc, const SpanLoads& s, std::int16_t latiaonum, double my) {
  ReportText& r = dc.filestring;
  if (latiaonum == 1) {
    r.line(11, "My=qx*L^2/32=", s.qx, "*", s.L, "^2/32=", my, "KN.m");
  } else if (latiaonum == 2 && s.Q == 0) {
    r.line(11, "My=qx*L^2/360=", s.qx, "*", s.L, "^2/360=", my, "KN.m");
  } else if (latiaonum == 2) {
    r.line(11, "My=qx*L^2/360+0.175*Q*L/2*Sin(α)=", s.qx, "*", s.L, "^2/360+0.175*", operand(s.Q), "*", s.L, "/2*sin(",
           s.alphaDeg, ")=", my, "KN.m");
  } else if (s.Q == 0) {
    r.line(11, "My=qx*L^2/8=", s.qx, "*", s.L, "^2/8=", my, "KN.m");
  } else {
    r.line(11, "My=qx*L^2/8+Q*L/2*Sin(α)=", s.qx, "*", s.L, "^2/8+", operand(s.Q), "*", s.L, "/2*sin(", s.alphaDeg, ")=",
           my, "KN.m");
  }
}

// KN.m floored to 0.01.
DesignMoments designMoments(const SpanLoads& s, std::int16_t latiaonum) {
  return {truncateTo(strongAxisMoment(s), 2), truncateTo(weakAxisMoment(s, latiaonum), 2)};
}

void momentLines(DesignCase& dc, const SpanLoads& s, std::int16_t latiaonum, const DesignMoments& m) {
  strongAxisLines(dc, s, m.mx);
  dc.filestring.line(7, "弱轴弯矩设计值为:");
  weakAxisFormula(dc, s, latiaonum, m.my);
}

SpanLoads spanLoads(const DesignCase& dc, Single qx, Single qy, Single Q, Single L) {
  const double alpha = std::atan(static_cast<double>(dc.degree));
  return {qx, qy, Q, L, alpha, degreesShown(alpha)};
}

// The window offers 0, 1 or 2 rods; any other count has no formula.
bool rodsInList(std::int16_t latiaonum) { return latiaonum >= 0 && latiaonum <= 2; }

}  // namespace

DesignMoments combinationMoments(const DesignCase& dc, Single qx, Single qy, Single Q, Single L,
                                 std::int16_t latiaonum) {
  if (!rodsInList(latiaonum)) return {};
  return designMoments(spanLoads(dc, qx, qy, Q, L), latiaonum);
}

void neili(DesignCase& dc, Platform& ui, Single qx, Single qy, Single Q, Single L, std::int16_t latiaonum) {
  // Any other rod count hands zero moments to the check, without lines.
  DesignMoments m;
  if (rodsInList(latiaonum)) {
    const SpanLoads loads = spanLoads(dc, qx, qy, Q, L);
    m = designMoments(loads, latiaonum);
    momentLines(dc, loads, latiaonum, m);
  }
  double mx = m.mx * std::pow(10.0, 6);  // N·mm from here on
  double my = m.my * std::pow(10.0, 6);
  if (dc.code == DesignCode::Cecs102) {
    neilicheck_code1(dc, mx, my);
  } else if (dc.code == DesignCode::Gbj18) {
    neilicheck_code2(dc, ui, mx, my);
  }
}

}  // namespace veldrin
