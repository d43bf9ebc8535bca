#pragma once
// Sectorial properties of a thin-walled open section of constant thickness
// along a polyline centre line: the shear centre and the warping constant.
#include <span>

#include "calc/section/outline.h"

namespace veldrin::section {

struct Warping {
  Point shearCentre;
  double iw = 0;  // ∫ω² dA about the shear centre, ω principal (∫ω dA = 0), mm⁶
};

Warping warpingOf(std::span<const Point> centreLine, double t);

}  // namespace veldrin::section
