#include "calc/sectionproperties.h"

#include <array>
#include <cmath>

#include "basetypes/numbertext.h"

namespace veldrin {

namespace {

// The constants of the design tables, not the library's π.
constexpr double kPi = 3.14159265;
constexpr double kFivePi = 15.70796325;        // the four bends: 4 · 1.25π
constexpr double kOneAndQuarterPi = 3.9269908125;
constexpr double kThreePi = 9.42477795;

// Outer dimensions of the section, as decimals.
struct Outline {
  double h, b, a, t;
};

// Where the counted parts of web and flanges end, before the centroid shift.
// The lips and bends always count in full.
struct CountedPlates {
  double web, flange1, flange2;  // total widths that count (W, F1, F2)
  double upperWebStart;          // y where the upper web flat starts
  double lowerWebEnd;            // y where the lower web flat ends
  double e11, e12, e21, e22;     // inner x ends of the flange parts
  double webMomentY;             // first moment of the web flats about mid-depth
};

// Bounds of one flat element as the rectangle procedures take them.
struct Rect {
  double y1, y2, x1, x2;
};

struct Bend {
  double x, y;  // centroid
};

struct SecondMoments {
  double ix = 0, iy = 0, ixy = 0;
};

// The eight flat elements, in mirror pairs so that a symmetric section sums
// its product moment to exactly zero.
std::array<Rect, 8> flatElements(const Outline& s, const CountedPlates& p) {
  const double webX0 = -s.t / 2, webX1 = s.t / 2;
  const double flangeStart = 2.5 * s.t, flangeEnd = s.b - 3.5 * s.t;
  const double lipIn = s.b - 1.5 * s.t, lipOut = s.b - 0.5 * s.t;
  const double outer = s.h / 2, inner = s.h / 2 - s.t;
  const double webEnd = s.h / 2 - 3 * s.t, lipEdge = s.h / 2 - s.a;
  return {{
      {-webEnd, p.lowerWebEnd, webX0, webX1},
      {p.upperWebStart, webEnd, webX0, webX1},
      {inner, outer, flangeStart, p.e11},
      {-outer, -inner, flangeStart, p.e21},
      {inner, outer, p.e12, flangeEnd},
      {-outer, -inner, p.e22, flangeEnd},
      {lipEdge, webEnd, lipIn, lipOut},
      {-webEnd, -lipEdge, lipIn, lipOut},
  }};
}

// Quarter annulus between radii 2t and 3t.
struct BendShape {
  double area, ownAboutCentre, offset;  // Ac, Ic, c
};

BendShape bendShape(double t) {
  const double outer = 3 * t, inner = 2 * t;
  const double ic = kPi * (std::pow(outer, 4) - std::pow(inner, 4)) / 16;
  const double c = 4 * (std::pow(outer, 3) - std::pow(inner, 3)) / (kThreePi * (outer * outer - inner * inner));
  return {kOneAndQuarterPi * t * t, ic, c};
}

// Centroids of the four bends, in mirror pairs: web side, then lip side.
std::array<Bend, 4> bendCentroids(const Outline& s, double c) {
  const double webSide = 2.5 * s.t - c, lipSide = s.b - 3.5 * s.t + c;
  const double y = s.h / 2 - 3 * s.t + c;
  return {{{webSide, y}, {webSide, -y}, {lipSide, y}, {lipSide, -y}}};
}

Rect shifted(const Rect& r, double xBar, double yBar) {
  return {r.y1 - yBar, r.y2 - yBar, r.x1 - xBar, r.x2 - xBar};
}

SecondMoments centroidalMoments(const Outline& s, const CountedPlates& p, double xBar, double yBar) {
  SecondMoments m;
  for (const Rect& flat : flatElements(s, p)) {
    const Rect r = shifted(flat, xBar, yBar);
    m.ix += imtx0(r.y1, r.y2, r.x1, r.x2);
    m.iy += imty0(r.y1, r.y2, r.x1, r.x2);
    m.ixy += imtxy0(r.y1, r.y2, r.x1, r.x2);
  }
  const BendShape bend = bendShape(s.t);
  const double ownAboutCentroid = bend.ownAboutCentre - bend.area * bend.offset * bend.offset;
  for (const Bend& at : bendCentroids(s, bend.offset)) {
    const double dx = at.x - xBar, dy = at.y - yBar;
    m.ix += ownAboutCentroid + bend.area * dy * dy;
    m.iy += ownAboutCentroid + bend.area * dx * dx;
    m.ixy += bend.area * dx * dy;
  }
  return m;
}

// When both moments are equal every axis is principal unless a product
// moment remains; then the axes lie at 45°, turned so that ix >= iy.
double principalAngle(double ix1, double iy1, double ixy1) {
  if (ix1 != iy1) return 0.5 * std::atan(-2 * ixy1 / (ix1 - iy1));
  if (ixy1 == 0) return 0;
  return ixy1 > 0 ? -kPi / 4 : kPi / 4;
}

// Centre-line lengths of web, flange and lip.
struct CentreLines {
  double hw, bf, cl;
};

CentreLines centreLines(const Outline& s) { return {s.h - s.t, s.b - s.t, s.a - s.t / 2}; }

double shearCentreDistance(const Outline& s, double ix) {
  const auto [hw, bf, cl] = centreLines(s);
  return bf * s.t * (3 * bf * hw * hw + 6 * cl * hw * hw - 8 * std::pow(cl, 3)) / (12 * ix);
}

// Warping constant as three terms, with m the shear-centre distance.
double warpingConstant(const Outline& s, double area, double xBar, double m, double ix) {
  const auto [hw, bf, cl] = centreLines(s);
  const double t = s.t, a = s.a, b = s.b, h = s.h, scale = t * t / area;
  const double t3 = scale * (hw * hw * area * xBar / t * (bf * bf / 3 + m * m - bf * m) +
                             area / (3 * t) * (m * m * std::pow(hw, 3) + bf * bf * cl * cl * (2 * a + 3 * h - 4 * t)) -
                             (4 * a + 2 * h - 4 * t) * m * m * ix / t);
  const double t2 = scale * (m * cl * cl / 3) *
                    (8 * bf * bf * cl + 2 * m * (2 * cl * (cl - hw) + bf * (2 * a - 3 * h + 2 * t)));
  const double t1 = scale * ((bf * bf * hw * hw / 6) * ((3 * a + b - 2.5 * t) * (4 * a + h - 3 * t) - 6 * cl * cl) -
                             m * m * std::pow(hw, 4) / 4);
  return t1 + t2 + t3;
}

double torsionConstant(const Outline& s) {
  return std::pow(s.t, 3) * (s.h + 2 * s.b + 2 * s.a + kFivePi * s.t - 24 * s.t) / 3;
}

// Uy on the line model, x from the centroid at z toward the lips.
double uyIntegral(const Outline& s, double z) {
  const double h = s.h, a = s.a, toLip = s.b - z;
  return s.t * (0.5 * std::pow(toLip, 4) - 0.5 * std::pow(z, 4) - h * std::pow(z, 3) + 0.25 * h * h * toLip * toLip -
                0.25 * h * h * z * z - std::pow(h, 3) * z / 12 + 2 * a * std::pow(toLip, 3) +
                2 * a * toLip * (h * h / 4 + a * a / 3 - a * h / 2));
}

// Area and centroid; the centroid offsets are used rounded down to 0.01.
struct Centroid {
  double area, xBar;
  Single yBar;
};

Centroid storeCentroid(DesignCase& dc, const Outline& s, const CountedPlates& p) {
  const double t = s.t;
  const double area = kFivePi * t * t + t * (p.web + p.flange1 + p.flange2 + 2 * s.a - 24 * t);
  const double sx = (kFivePi * t + p.flange1 + p.flange2 + 4 * s.a - 24 * t) * (s.b - t) * t / 2;
  const double sy = t * (p.flange1 - p.flange2) * (s.h - t) / 2 + p.webMomentY;
  dc.area = area;
  dc.centerx = sx / area;
  dc.centery = sy / area;
  return {area, truncateTo(dc.centerx, 2), truncateTo(dc.centery, 2)};
}

// The rounded values, in the order they are formed; e0 from the rounded
// z0 and d.
void storeRounded(DesignCase& dc, const Outline& s, const PrincipalMoments& principal, Single z0, double d,
                  double iw, double uy) {
  dc.z0 = truncateTo(z0, 2);
  dc.ix = truncateTo(principal.ix, 0);
  dc.iy = truncateTo(principal.iy, 0);
  dc.ixy = truncateTo(principal.ixy, 0);
  dc.it = truncateTo(torsionConstant(s), 0);
  dc.iw = truncateTo(iw, 0);
  dc.d = truncateTo(d, 2);
  dc.e0 = truncateTo(static_cast<double>(dc.z0) + dc.d, 2);
  dc.uy = truncateTo(uy, 0);
}

void computeSection(DesignCase& dc, const Outline& s, const CountedPlates& p) {
  const Centroid centroid = storeCentroid(dc, s, p);
  const SecondMoments about = centroidalMoments(s, p, centroid.xBar, centroid.yBar);
  dc.ix1 = about.ix;
  dc.iy1 = about.iy;
  dc.ixy1 = about.ixy;
  const PrincipalMoments principal = principalMoments(about.ix, about.iy, about.ixy);
  const double d = shearCentreDistance(s, principal.ix);
  const Single z0 = s.b * (s.b + 2 * s.a) / (s.h + 2 * s.b + 2 * s.a);
  const double iw = warpingConstant(s, centroid.area, centroid.xBar, d, principal.ix);
  dc.area = truncateTo(centroid.area, 2);
  storeRounded(dc, s, principal, z0, d, iw, uyIntegral(s, z0));
}

}  // namespace

PrincipalMoments principalMoments(double ix1, double iy1, double ixy1) {
  const double alpha = principalAngle(ix1, iy1, ixy1);
  const double mean = (ix1 + iy1) / 2, half = (ix1 - iy1) / 2;
  const double cos2 = std::cos(2 * alpha), sin2 = std::sin(2 * alpha);
  return {mean + half * cos2 - ixy1 * sin2, mean - half * cos2 + ixy1 * sin2, half * sin2 + ixy1 * cos2};
}

double imtx0(double y1, double y2, double x1, double x2) { return (x1 - x2) * (y1 * y1 * y1 - y2 * y2 * y2) / 3; }

double imty0(double y1, double y2, double x1, double x2) { return (y1 - y2) * (x1 * x1 * x1 - x2 * x2 * x2) / 3; }

double imtxy0(double y1, double y2, double x1, double x2) { return (x1 * x1 - x2 * x2) * (y1 * y1 - y2 * y2) / 4; }

void jiemiantx_code1(DesignCase& dc, Single h, Single b, Single a, Single t, Single he1, Single he2,
                     Single be11, Single be12, Single be21, Single be22) {
  const Outline s{h, b, a, t};
  const double halfH = s.h / 2, halfT = s.t / 2;
  CountedPlates p{};
  p.web = he1 + he2;
  p.flange1 = be11 + be12;
  p.flange2 = be21 + be22;
  p.upperWebStart = halfH - he1;
  p.lowerWebEnd = he2 - halfH;
  p.e11 = be11 - halfT;
  p.e12 = s.b - be12 - halfT;
  p.e21 = be21 - halfT;
  p.e22 = s.b - be22 - halfT;
  // The web flats from he2 at flange 2 and he1 at flange 1 seldom balance.
  p.webMomentY = halfT * (std::pow(he2 - halfH, 2) - std::pow(halfH - he1, 2));
  computeSection(dc, s, p);
}

void jiemiantx_code2(DesignCase& dc, Single h, Single b, Single a, Single t, Single he, Single be1,
                     Single be2) {
  const Outline s{h, b, a, t};
  CountedPlates p{};
  p.web = he;
  p.flange1 = be1;
  p.flange2 = be2;
  p.upperWebStart = (s.h - he) / 2;
  p.lowerWebEnd = -((s.h - he) / 2);
  p.e11 = (be1 - s.t) / 2;
  p.e12 = (2 * s.b - be1 - s.t) / 2;
  p.e21 = (be2 - s.t) / 2;
  p.e22 = (2 * s.b - be2 - s.t) / 2;
  p.webMomentY = 0;  // half the web at each flange: it balances itself
  computeSection(dc, s, p);
}

void grossSectionProperties(DesignCase& dc) {
  if (dc.code == DesignCode::Cecs102) {
    const Single halfH = dc.h / 2, halfB = dc.b / 2;
    jiemiantx_code1(dc, dc.h, dc.b, dc.a, dc.t, halfH, halfH, halfB, halfB, halfB, halfB);
  } else {
    jiemiantx_code2(dc, dc.h, dc.b, dc.a, dc.t, dc.h, dc.b, dc.b);
  }
}

}  // namespace veldrin
