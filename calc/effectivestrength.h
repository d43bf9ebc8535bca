#pragma once
// The strength of the effective section under one combination's moments
// (GB 50018-2002 8.1.1: Mx/Wenx + My/Weny <= f), checked after the effective
// section has replaced the gross one.
#include "calc/stresscheck.h"
#include "input/designcase.h"

namespace veldrin {

struct EffectiveSectionCheck {
  CornerStresses stresses;  // floored to 0.01
  double largest = 0;       // the largest |σ|
  bool passes = false;      // largest <= f
};

// The corner stresses of the selected code's check on the section as it
// stands, for moments in N·mm.
EffectiveSectionCheck effectiveSectionCheck(const DesignCase& dc, double mx, double my);

// The three lines of one combination (numbered 1 … 6).
void writeEffectiveSectionCheck(DesignCase& dc, int combination, const EffectiveSectionCheck& c);

}  // namespace veldrin
