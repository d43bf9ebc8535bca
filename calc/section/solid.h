#pragma once
// Properties of an outline integrated exactly over its parts: each flat a
// rectangle t thick along its centre line, each bend an annular sector.
#include <vector>

#include "calc/section/properties.h"

namespace veldrin::section {

PlaneMoments solidMoments(const Outline& o, const std::vector<Strip>& strips);

// St Venant torsion, t³/3 times the centre-line length of flats and bends.
double solidTorsionConstant(const Outline& o);

}  // namespace veldrin::section
