#include "calc/gb51022/section.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/section/properties.h"

namespace veldrin::gb51022 {

namespace {

constexpr double kNmm = 1e6;  // KN.m → N.mm

// ψ and σ1 of an element from its two edge stresses.
void edgeStresses(Element& e, double supported, double other) {
  const double top = std::max(supported, other);
  e.compressed = top > 0;
  if (!e.compressed) return;
  e.sigma1 = top;
  e.psi = std::min(supported, other) / top;
  e.maxAtSupport = supported >= other;
}

void flangeK(Element& e) {
  if (e.compressed) e.k = bucklingCoefficient(PlateKind::PartlyStiffened, e.psi, e.maxAtSupport);
}

// A flange's only adjacent plate is the web; a web edge in tension gives k1'.
void flangeK1(Element& f, const Element& web, const GrossSection& g, double webEdge) {
  if (!f.compressed) return;
  f.neighbourInTension = webEdge <= 0;
  if (f.neighbourInTension) {
    f.k1 = restraintCap(PlateKind::PartlyStiffened);
    return;
  }
  f.xi = g.webFlat() / g.flangeFlat() * std::sqrt(f.k / web.k);
  f.k1 = restraintCoefficient(PlateKind::PartlyStiffened, f.xi);
}

// The web's adjacent plate is the flange on its more compressed side.
void webK1(Element& w, const Element& flange, const GrossSection& g) {
  if (!w.compressed) return;
  w.xi = g.flangeFlat() / g.webFlat() * std::sqrt(w.k / flange.k);
  w.k1 = restraintCoefficient(PlateKind::Stiffened, w.xi);
}

// Along a lip the stress runs linearly from its own corner to the other
// lip's corner, h away: its tip lies a from its own corner.
double lipTip(double own, double other, const GrossSection& g) { return own + (other - own) * g.a / g.h; }

// A lip's only adjacent plate is its flange; a flange corner in tension gives k1'.
void lipK(Element& lip, const Element& flange, const GrossSection& g, double corner) {
  if (!lip.compressed) return;
  lip.k = bucklingCoefficient(PlateKind::Unstiffened, lip.psi, lip.maxAtSupport);
  lip.neighbourInTension = corner <= 0;
  if (lip.neighbourInTension) {
    lip.k1 = restraintCap(PlateKind::Unstiffened);
    return;
  }
  lip.xi = g.flangeFlat() / g.lipFlat() * std::sqrt(lip.k / flange.k);
  lip.k1 = restraintCoefficient(PlateKind::Unstiffened, lip.xi);
}

void widthOf(Element& e, PlateKind kind, double flat, double t) {
  if (e.compressed) e.width = plateWidth({kind, flat, t, e.sigma1, e.psi, e.k, e.k1});
}

// The counted length next to each edge of a flat: be1 at the more compressed
// edge, be2 and any tension part toward the other.
struct EdgeParts {
  double first, second;
};
EdgeParts partsOf(const Element& e, double flat, bool maxAtFirst) {
  if (e.fullyEffective()) return {flat / 2, flat / 2};
  const double towardOther = e.width.be2 + (flat - e.width.bc);
  return maxAtFirst ? EdgeParts{e.width.be1, towardOther} : EdgeParts{towardOther, e.width.be1};
}

section::Outline outlineOf(const GrossSection& g) {
  return section::outlineOf(section::Family::C, {g.h, g.b, g.a, g.t});
}

void addStrip(std::vector<section::Strip>& strips, section::FlatName flat, const Element& e, double width) {
  if (e.fullyEffective()) return;
  const EdgeParts p = partsOf(e, width, e.maxAtSupport);
  strips.push_back({flat, p.first, p.second});
}

// The reduced section: each element that is not fully effective loses the
// strip between its counted parts (web from the upper flange, flanges from
// the web, lips from their flange).
void reducedProperties(const GrossSection& g, EffectiveSection& s) {
  using section::FlatName;
  std::vector<section::Strip> strips;
  addStrip(strips, FlatName::Web, s.web, g.webFlat());
  addStrip(strips, FlatName::UpperFlange, s.upper, g.flangeFlat());
  addStrip(strips, FlatName::LowerFlange, s.lower, g.flangeFlat());
  addStrip(strips, FlatName::UpperLip, s.upperLip, g.lipFlat());
  addStrip(strips, FlatName::LowerLip, s.lowerLip, g.lipFlat());
  const section::PlaneMoments m = section::effectiveProperties(outlineOf(g), strips);
  const double xc = m.centroid.x + g.t / 2;
  s.area = m.area;
  s.fibres = {m.ix, m.iy, g.h / 2 - m.centroid.y, g.h / 2 + m.centroid.y, xc, g.b - xc};
}

}  // namespace

GrossSection grossSectionOf(const DesignCase& dc) {
  GrossSection g{dc.h, dc.b, dc.a, dc.t};
  const section::GrossProperties p = section::grossProperties(outlineOf(g));
  g.area = p.plane.area;
  g.ix = p.principal.ix;
  g.iy = p.principal.iy;
  g.it = p.it;
  g.iw = p.iw;
  g.xc = p.plane.centroid.x + g.t / 2;
  return g;
}

Fibres grossFibres(const GrossSection& g) { return {g.ix, g.iy, g.h / 2, g.h / 2, g.xc, g.b - g.xc}; }

CornerStresses cornerStresses(const Fibres& f, double mx, double my, MySense sense) {
  const double sx = mx * kNmm / f.ix;
  const double sy = (sense == MySense::TowardWeb ? 1 : -1) * my * kNmm / f.iy;
  return {sx * f.upper + sy * f.web, sx * f.upper - sy * f.lips, -sx * f.lower + sy * f.web,
          -sx * f.lower - sy * f.lips};
}

EffectiveSection effectiveSection(const GrossSection& g, const CornerStresses& s) {
  EffectiveSection e;
  edgeStresses(e.upper, s.s7, s.s8);
  edgeStresses(e.lower, s.s4, s.s3);
  edgeStresses(e.web, s.s7, s.s4);  // "supported" = the upper edge here
  flangeK(e.upper);
  flangeK(e.lower);
  if (e.web.compressed) e.web.k = bucklingCoefficient(PlateKind::Stiffened, e.web.psi, true);
  flangeK1(e.upper, e.web, g, s.s7);
  flangeK1(e.lower, e.web, g, s.s4);
  webK1(e.web, s.s7 >= s.s4 ? e.upper : e.lower, g);
  edgeStresses(e.upperLip, s.s8, lipTip(s.s8, s.s3, g));
  edgeStresses(e.lowerLip, s.s3, lipTip(s.s3, s.s8, g));
  lipK(e.upperLip, e.upper, g, s.s8);
  lipK(e.lowerLip, e.lower, g, s.s3);
  widthOf(e.upper, PlateKind::PartlyStiffened, g.flangeFlat(), g.t);
  widthOf(e.lower, PlateKind::PartlyStiffened, g.flangeFlat(), g.t);
  widthOf(e.web, PlateKind::Stiffened, g.webFlat(), g.t);
  widthOf(e.upperLip, PlateKind::Unstiffened, g.lipFlat(), g.t);
  widthOf(e.lowerLip, PlateKind::Unstiffened, g.lipFlat(), g.t);
  if (e.full()) {
    e.area = g.area;
    e.fibres = grossFibres(g);
  } else {
    reducedProperties(g, e);
  }
  return e;
}

}  // namespace veldrin::gb51022
