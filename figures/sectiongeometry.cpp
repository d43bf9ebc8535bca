#include "figures/sectiongeometry.h"

#include <cmath>

#include "basetypes/numbertext.h"

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

}  // namespace veldrin
