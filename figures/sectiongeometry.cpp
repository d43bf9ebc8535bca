#include "figures/sectiongeometry.h"

#include <cmath>

#include "basetypes/numbertext.h"
#include "basetypes/reporttext.h"

namespace veldrin {

namespace {

// Int(x) held as a 16-bit integer; only a whole positive number of twips
// per mm makes a drawing.
std::optional<std::int16_t> positiveScale(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  const double whole = truncateTo(x, 0);
  if (whole < 1 || whole > INT16_MAX) return std::nullopt;
  return static_cast<std::int16_t>(whole);
}

double cube(double x) { return x * x * x; }
double square(double x) { return x * x; }

// One property line, left out when its number cannot be formed.
void propertyLine(ReportText& text, int indent, const char* name, double shown, const char* unit) {
  if (std::isfinite(shown)) text.line(indent, name, shown, unit);
}

// Int(x / step) / step: the floor to a step of a value in larger units.
double floorInUnits(double x, double step) { return truncateTo(x / step, 0) / step; }

}  // namespace

std::array<FigurePoint, 20> outlinePoints(const SectionDims& s) {
  const double h = s.h, b = s.b, a = s.a, t = s.t;
  const double lip = h / 2 - a, straight = h / 2 - 3 * t, inner = h / 2 - t;
  return {{{b, lip},         {b, straight},      {b - 3 * t, h / 2},     {3 * t, h / 2},
           {0, straight},    {0, -straight},     {3 * t, -h / 2},        {b - 3 * t, -h / 2},
           {b, -straight},   {b, -lip},          {b - t, lip},           {b - t, straight},
           {b - 3 * t, inner}, {3 * t, inner},   {t, straight},          {t, -straight},
           {3 * t, -inner},  {b - 3 * t, -inner}, {b - t, -straight},    {b - t, -lip}}};
}

std::array<FigurePoint, 4> bendCentres(const SectionDims& s) {
  const double b = s.b, t = s.t;
  const double straight = static_cast<double>(s.h) / 2 - 3 * t;
  return {{{b - 3 * t, straight}, {3 * t, straight}, {3 * t, -straight}, {b - 3 * t, -straight}}};
}

std::optional<std::int16_t> legendScale(double pictureHeight, double h) { return positiveScale(pictureHeight / h - 3); }

std::optional<std::int16_t> dialogScale(double pictureHeight, double h) { return positiveScale(pictureHeight / h - 10); }

LineModelProperties lineModelProperties(const SectionDims& s) {
  const double h = s.h, b = s.b, a = s.a, t = s.t;
  const double length = h + 2 * b + 2 * a;
  LineModelProperties p;
  p.area = t * length;
  p.z0 = b * (b + 2 * a) / length;
  p.ix0 = t * cube(h) / 12 + b * t * square(h) / 2 + t * cube(a) / 6 + a * t * square(h - a) / 2;
  p.iy0 = h * t * square(p.z0) + cube(b) * t / 6 + 2 * b * t * square(b / 2 - p.z0) + 2 * a * t * square(b - p.z0);
  p.d = b * t * (square(h) * b / 4 + square(h) * a / 2 - 2 * cube(a) / 3) / p.ix0;
  p.e0 = p.z0 + p.d;
  p.it0 = cube(t) * length / 3;
  const double d = p.d;
  p.iw0 = t * square(d) * cube(h) / 12 + t * square(h) / 6 * (cube(b - d) + cube(d)) +
          (a * t / 6) * (3 * square(h) * square(d - b) - 6 * h * a * (square(d) - square(b)) + 4 * square(a) * square(d + b));
  return p;
}

std::string propertyListText(const LineModelProperties& p) {
  ReportText text;
  propertyLine(text, 3, "Area=", truncateTo(p.area, 1), "mm2");
  propertyLine(text, 4, "z0=", truncateTo(p.z0, 2), "mm");
  propertyLine(text, 4, "Ix0=", floorInUnits(p.ix0, 100), "cm4");
  propertyLine(text, 4, "Iy0=", floorInUnits(p.iy0, 100), "cm4");
  propertyLine(text, 4, "e0=", truncateTo(p.e0, 2), "mm");
  propertyLine(text, 4, "It0=", floorInUnits(p.it0, 100), "cm4");
  propertyLine(text, 4, "Iω0=", floorInUnits(p.iw0, 1000), "cm6");
  return text.str();
}

}  // namespace veldrin
