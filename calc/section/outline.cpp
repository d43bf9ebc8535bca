#include "calc/section/outline.h"

#include <cmath>
#include <numbers>

namespace veldrin::section {

namespace {

constexpr double kPi = std::numbers::pi;

// The lip's turn from its flange: the cosine and sine of the angle, and the
// tangent of half of it, by which the bend's tangent point falls short of
// the corner of the outer faces. Exact for 90°, so the flats of a 90° lip
// are h − 6t, b − 6t and a − 3t to the last bit.
struct LipTurn {
  double cos, sin, tanHalf;
};

LipTurn lipTurn(Family family) {
  if (family == Family::Z45) return {std::numbers::sqrt2 / 2, std::numbers::sqrt2 / 2, std::numbers::sqrt2 - 1};
  return {0, 1, 1};
}

Point step(Point p, Point direction, double length) {
  return {p.x + direction.x * length, p.y + direction.y * length};
}

struct Half {
  Flat flange, lip;
  Bend webSide, lipSide;
  Point corner;  // of the square-corner centre line, flange to lip
};

Half upperHalf(const Dimensions& d, const LipTurn& lip) {
  const double t = d.t, lineY = d.h / 2 - t / 2, centreY = d.h / 2 - 3 * t;
  const Point outerCorner{d.b - t / 2, d.h / 2};  // where the flange's and lip's outer faces meet
  const Point down{lip.cos, -lip.sin};            // along the lip toward its tip
  const Point inward{-lip.sin, -lip.cos};         // from the lip's outer face into the plate
  const double shortBy = 3 * t * lip.tanHalf;     // outer radius 3t times tan(turn/2)
  const double bendX = outerCorner.x - shortBy;
  Half half;
  half.flange = {FlatName::UpperFlange, {2.5 * t, lineY}, {bendX, lineY}, d.b - 3 * t * (1 + lip.tanHalf)};
  half.lip = {FlatName::UpperLip, step(step(outerCorner, down, shortBy), inward, t / 2),
              step(step(outerCorner, down, d.a), inward, t / 2), d.a - shortBy};
  half.webSide = {{2.5 * t, centreY}, 2 * t, 3 * t, kPi / 2, kPi / 2};
  const double turn = std::atan2(lip.sin, lip.cos);
  half.lipSide = {{bendX, centreY}, 2 * t, 3 * t, kPi / 2 - turn, turn};
  half.corner = {outerCorner.x - t / 2 * lip.tanHalf, lineY};
  return half;
}

// The lower half: the C's mirror image about y = 0, the Z's upper half
// turned through 180°.
struct LowerHalf {
  bool mirror;
  Point operator()(Point p) const { return mirror ? Point{p.x, -p.y} : Point{-p.x, -p.y}; }
  Flat operator()(const Flat& f, FlatName name) const { return {name, (*this)(f.start), (*this)(f.end), f.width}; }
  Bend operator()(const Bend& b) const {
    const double from = mirror ? -(b.from + b.sweep) : b.from + kPi;
    return {(*this)(b.centre), b.inner, b.outer, from, b.sweep};
  }
};

}  // namespace

Outline outlineOf(Family family, const Dimensions& d) {
  const Half up = upperHalf(d, lipTurn(family));
  const LowerHalf low{family == Family::C};
  const double webEnd = d.h / 2 - 3 * d.t, lineY = d.h / 2 - d.t / 2;
  Outline o;
  o.family = family;
  o.dims = d;
  o.flats = {{{FlatName::Web, {0, webEnd}, {0, -webEnd}, d.h - 6 * d.t},
              up.flange,
              low(up.flange, FlatName::LowerFlange),
              up.lip,
              low(up.lip, FlatName::LowerLip)}};
  o.bends = {up.webSide, low(up.webSide), up.lipSide, low(up.lipSide)};
  o.centreLine = {up.lip.end, up.corner, Point{0, lineY}, Point{0, -lineY}, low(up.corner), low(up.lip.end)};
  return o;
}

}  // namespace veldrin::section
