#include "calc/section/channel.h"

#include <array>
#include <cmath>

#include "basetypes/numbertext.h"
#include "basetypes/single.h"

namespace veldrin::section {

namespace {

constexpr double kPi = 3.14159265;
constexpr double kFivePi = 15.70796325;  // the four bends: 4 · 1.25π
constexpr double kOneAndQuarterPi = 3.9269908125;
constexpr double kThreePi = 9.42477795;

// Where the counted parts of web and flanges end, before the centroid shift;
// the widths W, F1, F2 count from the outer faces.
struct CountedPlates {
  double web = 0, flange1 = 0, flange2 = 0;
  double upperWebStart = 0, lowerWebEnd = 0;  // y
  double e11 = 0, e12 = 0, e21 = 0, e22 = 0;  // inner x ends of the flange parts
  double webMomentY = 0;                      // first moment of the web flats about mid-depth
};

// Every plate counts, each flange and the web split at its middle.
CountedPlates grossPlates(const Dimensions& s) {
  CountedPlates p;
  p.web = s.h;
  p.flange1 = p.flange2 = s.b;
  p.upperWebStart = (s.h - s.h) / 2;
  p.lowerWebEnd = -((s.h - s.h) / 2);
  p.e11 = p.e21 = (s.b - s.t) / 2;
  p.e12 = p.e22 = (2 * s.b - s.b - s.t) / 2;
  return p;
}

// What counts of a flat at its start and at its end; a whole flat in halves.
struct Kept {
  double start, end;
};

// Kept parts are taken as given: parts that meet within rounding, as an
// element found just short of fully effective gives them, count as they are.
const Strip* stripOf(const std::vector<Strip>& strips, FlatName name) {
  for (const Strip& s : strips) {
    if (s.flat == name) return &s;
  }
  return nullptr;
}

Kept keptOf(const std::vector<Strip>& strips, FlatName name, double width) {
  const Strip* s = stripOf(strips, name);
  return s ? Kept{s->keptAtStart, s->keptAtEnd} : Kept{width / 2, width / 2};
}

// The widths from the outer faces: 3t of bend beside each kept part.
CountedPlates reducedPlates(const Outline& o, const std::vector<Strip>& strips) {
  const Dimensions& s = o.dims;
  const double t3 = 3 * s.t, halfH = s.h / 2, halfT = s.t / 2;
  const Kept web = keptOf(strips, FlatName::Web, o.flat(FlatName::Web).width);
  const Kept up = keptOf(strips, FlatName::UpperFlange, o.flat(FlatName::UpperFlange).width);
  const Kept low = keptOf(strips, FlatName::LowerFlange, o.flat(FlatName::LowerFlange).width);
  const Single he1 = t3 + web.start, he2 = t3 + web.end;
  const Single be11 = t3 + up.start, be12 = t3 + up.end, be21 = t3 + low.start, be22 = t3 + low.end;
  CountedPlates p;
  p.web = he1 + he2;
  p.flange1 = be11 + be12;
  p.flange2 = be21 + be22;
  p.upperWebStart = halfH - he1;
  p.lowerWebEnd = he2 - halfH;
  p.e11 = be11 - halfT;
  p.e12 = s.b - be12 - halfT;
  p.e21 = be21 - halfT;
  p.e22 = s.b - be22 - halfT;
  p.webMomentY = halfT * (std::pow(he2 - halfH, 2) - std::pow(halfH - he1, 2));
  return p;
}

// Area and centroid; the second moments are taken about the centroid rounded
// down to 0.01 mm.
struct Centroid {
  double area = 0, x = 0, xBar = 0;
  Single y, yBar;
};

Centroid centroidOf(const Dimensions& s, const CountedPlates& p) {
  const double t = s.t;
  Centroid c;
  c.area = kFivePi * t * t + t * (p.web + p.flange1 + p.flange2 + 2 * s.a - 24 * t);
  const double sx = (kFivePi * t + p.flange1 + p.flange2 + 4 * s.a - 24 * t) * (s.b - t) * t / 2;
  const double sy = t * (p.flange1 - p.flange2) * (s.h - t) / 2 + p.webMomentY;
  c.x = sx / c.area;
  c.y = sy / c.area;
  c.xBar = truncateTo(c.x, 2);
  c.yBar = truncateTo(c.y, 2);
  return c;
}

struct Rect {
  double y1, y2, x1, x2;
};

// The eight flat elements, in mirror pairs so that a symmetric section sums
// its product moment to exactly zero.
std::array<Rect, 8> flatElements(const Dimensions& s, const CountedPlates& p) {
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

// The quarter annulus between radii 2t and 3t: area, second moment about
// the centre of its circle, and its centroid's offset from that centre.
struct QuarterAnnulus {
  double area, aboutCentre, offset;
};

QuarterAnnulus quarterAnnulus(double t) {
  const double outer = 3 * t, inner = 2 * t;
  const double ic = kPi * (std::pow(outer, 4) - std::pow(inner, 4)) / 16;
  const double c = 4 * (std::pow(outer, 3) - std::pow(inner, 3)) / (kThreePi * (outer * outer - inner * inner));
  return {kOneAndQuarterPi * t * t, ic, c};
}

// The bends' centroids in mirror pairs: web side, then lip side.
std::array<Point, 4> bendCentroids(const Dimensions& s, double c) {
  const double webSide = 2.5 * s.t - c, lipSide = s.b - 3.5 * s.t + c;
  const double y = s.h / 2 - 3 * s.t + c;
  return {{{webSide, y}, {webSide, -y}, {lipSide, y}, {lipSide, -y}}};
}

// Bounds in reverse order give a negative value, which is added unchanged.
void addRect(PlaneMoments& m, const Rect& r) {
  m.ix += (r.x1 - r.x2) * (r.y1 * r.y1 * r.y1 - r.y2 * r.y2 * r.y2) / 3;
  m.iy += (r.y1 - r.y2) * (r.x1 * r.x1 * r.x1 - r.x2 * r.x2 * r.x2) / 3;
  m.ixy += (r.x1 * r.x1 - r.x2 * r.x2) * (r.y1 * r.y1 - r.y2 * r.y2) / 4;
}

void addSecondMoments(PlaneMoments& m, const Dimensions& s, const CountedPlates& p, double xBar, double yBar) {
  for (const Rect& flat : flatElements(s, p)) addRect(m, {flat.y1 - yBar, flat.y2 - yBar, flat.x1 - xBar, flat.x2 - xBar});
  const QuarterAnnulus bend = quarterAnnulus(s.t);
  const double ownAboutCentroid = bend.aboutCentre - bend.area * bend.offset * bend.offset;
  for (const Point& at : bendCentroids(s, bend.offset)) {
    const double dx = at.x - xBar, dy = at.y - yBar;
    m.ix += ownAboutCentroid + bend.area * dy * dy;
    m.iy += ownAboutCentroid + bend.area * dx * dx;
    m.ixy += bend.area * dx * dy;
  }
}

PlaneMoments planeMoments(const Dimensions& s, const CountedPlates& p, Centroid& c) {
  c = centroidOf(s, p);
  PlaneMoments m;
  m.area = c.area;
  m.centroid = {c.x, c.y};
  addSecondMoments(m, s, p, c.xBar, c.yBar);
  return m;
}

// Centre-line lengths of web, flange and lip.
struct CentreLines {
  double hw, bf, cl;
};

CentreLines centreLines(const Dimensions& s) { return {s.h - s.t, s.b - s.t, s.a - s.t / 2}; }

// The shear centre's distance from the web's centre line, away from the flanges.
double shearCentreDistance(const Dimensions& s, double ix) {
  const auto [hw, bf, cl] = centreLines(s);
  return bf * s.t * (3 * bf * hw * hw + 6 * cl * hw * hw - 8 * std::pow(cl, 3)) / (12 * ix);
}

// Iω as three terms, with m the shear centre's distance.
double warpingConstant(const Dimensions& s, double area, double xBar, double m, double ix) {
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

double torsionConstant(const Dimensions& s) {
  return std::pow(s.t, 3) * (s.h + 2 * s.b + 2 * s.a + kFivePi * s.t - 24 * s.t) / 3;
}

// A lip's uncounted strip, at the lip's centre line.
struct LipStrip {
  double area, x, y, length;
};

std::vector<LipStrip> lipStrips(const Outline& o, const std::vector<Strip>& strips) {
  const Dimensions& s = o.dims;
  const double flat = o.flat(FlatName::UpperLip).width, bendEnd = s.h / 2 - 3 * s.t;
  std::vector<LipStrip> out;
  for (const auto& [name, side] : {std::pair{FlatName::UpperLip, 1.0}, std::pair{FlatName::LowerLip, -1.0}}) {
    const Strip* lip = stripOf(strips, name);
    if (lip == nullptr) continue;
    const double length = flat - lip->keptAtStart - lip->keptAtEnd;
    out.push_back({length * s.t, s.b - s.t, side * (bendEnd - lip->keptAtStart - length / 2), length});
  }
  return out;
}

// Each strip leaves with its own second moments about the new centroid.
PlaneMoments withoutLipStrips(PlaneMoments r, const std::vector<LipStrip>& strips, double t) {
  for (const LipStrip& st : strips) {
    const double area = r.area - st.area;
    const Point was = r.centroid;
    const Point now{(r.area * was.x - st.area * st.x) / area, (r.area * was.y - st.area * st.y) / area};
    r.ix += r.area * (was.y - now.y) * (was.y - now.y) - st.area * (st.y - now.y) * (st.y - now.y) -
            t * std::pow(st.length, 3) / 12;
    r.iy += r.area * (was.x - now.x) * (was.x - now.x) - st.area * (st.x - now.x) * (st.x - now.x) -
            st.length * std::pow(t, 3) / 12;
    r.ixy += r.area * (was.x - now.x) * (was.y - now.y) - st.area * (st.x - now.x) * (st.y - now.y);
    r.area = area;
    r.centroid = now;
  }
  return r;
}

}  // namespace

GrossProperties channelGross(const Outline& o) {
  const Dimensions& s = o.dims;
  Centroid c;
  GrossProperties g;
  g.plane = planeMoments(s, grossPlates(s), c);
  const PrincipalAxes principal = principalAxes(g.plane.ix, g.plane.iy, g.plane.ixy);
  const double iw = warpingConstant(s, c.area, c.xBar, shearCentreDistance(s, principal.ix), principal.ix);
  g.plane.area = truncateTo(g.plane.area, 2);
  g.principal = {truncateTo(principal.ix, 0), truncateTo(principal.iy, 0), principal.theta};
  g.it = truncateTo(torsionConstant(s), 0);
  g.iw = truncateTo(iw, 0);
  return g;
}

PlaneMoments channelEffective(const Outline& o, const std::vector<Strip>& strips) {
  Centroid c;
  PlaneMoments m = planeMoments(o.dims, reducedPlates(o, strips), c);
  m.area = truncateTo(m.area, 2);
  return withoutLipStrips(m, lipStrips(o, strips), o.dims.t);
}

}  // namespace veldrin::section
