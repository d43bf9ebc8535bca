#pragma once
// Effective width of one plate element under CECS102:98.
#include <cstdint>

#include "input/designcase.h"

namespace veldrin {

// choisenum: 1 upper flange, 2 lower flange, 3 web; any other value does
// nothing. Writes the element's lines, its widths, and sets effectflag when
// the element is not fully effective or is overstressed (it never clears it).
void youxiaokuandu_code1(DesignCase& dc, double sigma1, double sigma2, Single hb, std::int16_t choisenum);

// kσ = 16 / (sqrt((1+β)^2 + 0.112(1-β)^2) + (1+β)), untruncated. The
// denominator is positive for every β, so one formula serves every element.
double bucklingCoefficient(double beta);

// λp of a plate of width hb and thickness t, untruncated; fyk is the yield strength.
double plateSlenderness(double hb, double t, double ksigma, int fyk);

// ρ from the truncated λp, itself truncated to 3 decimals.
double reductionFactor(double lambdaP);

}  // namespace veldrin
