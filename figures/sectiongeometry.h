#pragma once
// The C section as the two drawings see it: the outline in mm and the scale
// of a picture.
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

}  // namespace veldrin
