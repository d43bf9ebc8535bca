#pragma once
// The record of each verdict line of sections three to five, made by the
// code that writes the line with the same values and the same verdict.
#include "input/designcase.h"

namespace veldrin {

// A plate element of the combination being checked: its stress against fy.
void recordStrength(DesignCase& dc, CheckElement element, double sigma, bool passes);

// The effective section under a verified combination (1 … 6): its largest |σ| against fy.
void recordEffective(DesignCase& dc, int combination, double sigma, bool passes);

// The overall stability of the combination being checked: σ at point (σ8 or σ3) against fy.
void recordStability(DesignCase& dc, const char* point, double sigma, bool passes);

// λx (strong axis) or λy against 220.
void recordSlenderness(DesignCase& dc, bool strongAxis, double lambda, bool passes);

// A deflection case: the shown ratio L/f against the chosen limit; loads
// names the loads of the case ("恒载、风载"); fShown and span are the f and L
// of its "f/L=" line.
void recordDeflection(DesignCase& dc, bool wind, const char* loads, double ratio, double limit, bool passes,
                      double fShown, double span);

}  // namespace veldrin
