#pragma once
// The C section as the two drawings see it: the outline in mm, the scale of
// a picture, and the simple line-model properties listed beside the figure.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "basetypes/single.h"

namespace veldrin {

// Picture sizes in twips (1/1440 inch), the drawing unit of both pictures.
inline constexpr double kLegendWidth = 3615;
inline constexpr double kLegendHeight = 2655;
inline constexpr double kFigureWidth = 6000;
inline constexpr double kFigureHeight = 6000;

// Outer dimensions of the lipped C, mm, as read from the four texts.
struct SectionDims {
  Single h, b, a, t;
};

// A point of a working list: x from the outer face of the web towards the
// lips, y from mid-height (positive y is drawn downward). Held as 4-byte
// floats, first in mm, then mapped to twips in place.
struct FigurePoint {
  Single x, y;
};

// P1..P10 along the outer face, P11..P20 along the inner face (index 0 = P1).
std::array<FigurePoint, 20> outlinePoints(const SectionDims& s);
// The bend centres Q1..Q4: outer radius 3t, inner radius 2t.
std::array<FigurePoint, 4> bendCentres(const SectionDims& s);

// Twips per mm. Both are Int(...) held as a 16-bit integer; there is no
// scale (nullopt) when h is 0 or not a number, or when the value does not
// fit a 16-bit integer or is 0 or below: then nothing is drawn.
std::optional<std::int16_t> legendScale(double pictureHeight, double h);  // Int(H/h - 3)
std::optional<std::int16_t> dialogScale(double pictureHeight, double h);  // floor(H/h - 10)

// The line model on the outer dimensions: web, flanges and lips as lines of
// length h, b and a, no bends, full plate widths. Values in mm units; a
// value that cannot be formed (a zero divisor) is inf or NaN.
struct LineModelProperties {
  double area = 0, z0 = 0, ix0 = 0, iy0 = 0, d = 0, e0 = 0, it0 = 0, iw0 = 0;
};

LineModelProperties lineModelProperties(const SectionDims& s);

// The seven lines of Label5, each ending CR LF. A property that is not a
// finite number is left out rather than shown as inf or NaN.
std::string propertyListText(const LineModelProperties& p);

}  // namespace veldrin
