#pragma once
// The choice of the governing combinations: the contents of sections three and four.
#include "calc/loadcombinations.h"
#include "input/designcase.h"
#include "toolkit/platform.h"

namespace veldrin {

// Section three: the governing strength combination (and six with a point load).
void strengthSection(DesignCase& dc, Platform& ui, const LoadCombinations& combos);

// Section four: the stability checks.
void stabilitySection(DesignCase& dc, const LoadCombinations& combos);

}  // namespace veldrin
