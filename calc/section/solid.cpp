#include "calc/section/solid.h"

#include <cmath>

namespace veldrin::section {

namespace {

// ∫dA, ∫x dA, ∫y dA, ∫x² dA, ∫y² dA and ∫xy dA about the outline's origin.
struct Integrals {
  double area = 0, x = 0, y = 0, xx = 0, yy = 0, xy = 0;
};

// A straight plate t thick whose centre line runs from p to q.
void addPlate(Integrals& m, Point p, Point q, double t) {
  const double length = std::hypot(q.x - p.x, q.y - p.y);
  if (!(length > 0)) return;
  const double c = (q.x - p.x) / length, s = (q.y - p.y) / length;
  const double area = length * t, xm = (p.x + q.x) / 2, ym = (p.y + q.y) / 2;
  const double along = area * length * length / 12, across = area * t * t / 12;  // about its own centre
  m.area += area;
  m.x += area * xm;
  m.y += area * ym;
  m.xx += along * c * c + across * s * s + area * xm * xm;
  m.yy += along * s * s + across * c * c + area * ym * ym;
  m.xy += (along - across) * s * c + area * xm * ym;
}

void addBend(Integrals& m, const Bend& b) {
  const double r2 = (std::pow(b.outer, 2) - std::pow(b.inner, 2)) / 2;
  const double r3 = (std::pow(b.outer, 3) - std::pow(b.inner, 3)) / 3;
  const double r4 = (std::pow(b.outer, 4) - std::pow(b.inner, 4)) / 4;
  const double a0 = b.from, a1 = b.from + b.sweep;
  // About the bend's centre:
  const double area = r2 * b.sweep;
  const double x = r3 * (std::sin(a1) - std::sin(a0)), y = r3 * (std::cos(a0) - std::cos(a1));
  const double twice = (std::sin(2 * a1) - std::sin(2 * a0)) / 4;
  const double xx = r4 * (b.sweep / 2 + twice), yy = r4 * (b.sweep / 2 - twice);
  const double xy = r4 * (std::pow(std::sin(a1), 2) - std::pow(std::sin(a0), 2)) / 2;
  const Point c = b.centre;
  m.area += area;
  m.x += area * c.x + x;
  m.y += area * c.y + y;
  m.xx += xx + 2 * c.x * x + area * c.x * c.x;
  m.yy += yy + 2 * c.y * y + area * c.y * c.y;
  m.xy += xy + c.x * y + c.y * x + area * c.x * c.y;
}

Point along(const Flat& f, double s) {
  const double length = std::hypot(f.end.x - f.start.x, f.end.y - f.start.y);
  return {f.start.x + (f.end.x - f.start.x) * s / length, f.start.y + (f.end.y - f.start.y) * s / length};
}

const Strip* stripOf(const std::vector<Strip>& strips, const Flat& f) {
  for (const Strip& s : strips) {
    if (s.flat == f.name && s.keptAtStart + s.keptAtEnd < f.width) return &s;
  }
  return nullptr;
}

void addFlat(Integrals& m, const Flat& f, const Strip* strip, double t) {
  if (strip == nullptr) {
    addPlate(m, f.start, f.end, t);
    return;
  }
  addPlate(m, f.start, along(f, strip->keptAtStart), t);
  addPlate(m, along(f, f.width - strip->keptAtEnd), f.end, t);
}

}  // namespace

PlaneMoments solidMoments(const Outline& o, const std::vector<Strip>& strips) {
  Integrals m;
  for (const Flat& f : o.flats) addFlat(m, f, stripOf(strips, f), o.dims.t);
  for (const Bend& b : o.bends) addBend(m, b);
  const Point c{m.x / m.area, m.y / m.area};
  return {m.area, c, m.yy - m.area * c.y * c.y, m.xx - m.area * c.x * c.x, m.xy - m.area * c.x * c.y};
}

double solidTorsionConstant(const Outline& o) {
  double length = 0;
  for (const Flat& f : o.flats) length += f.width;
  for (const Bend& b : o.bends) length += b.sweep * (b.inner + b.outer) / 2;
  return std::pow(o.dims.t, 3) * length / 3;
}

}  // namespace veldrin::section
