#pragma once
// The choice of the governing combinations: the contents of sections three and four.
#include <vector>

#include "calc/loadcombinations.h"
#include "input/designcase.h"
#include "toolkit/platform.h"

namespace veldrin {

// What section three verified: the combinations checked (0 = one … 5 = six),
// the governing one first, and whether effectflag stood set at the end of
// any of their checks.
struct StrengthChecks {
  std::vector<std::size_t> combinations;
  bool effectiveSectionFound = false;
};

// Section three: the governing strength combination (and six with a point load).
StrengthChecks strengthSection(DesignCase& dc, Platform& ui, const LoadCombinations& combos);

// The end of section three, once the run has computed the effective section:
// when any check found a plate element not fully effective, the strength of
// that section under each verified combination.
void effectiveSectionStrength(DesignCase& dc, const LoadCombinations& combos, const StrengthChecks& checked);

// Section four: the stability checks.
void stabilitySection(DesignCase& dc, const LoadCombinations& combos);

}  // namespace veldrin
