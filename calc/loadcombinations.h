#pragma once
// The six design load combinations and section two of the report.
#include <array>

#include "input/designcase.h"

namespace veldrin {

struct LoadCombination {
  double q0 = 0, q1 = 0, q2 = 0, q3 = 0;  // factored line loads, KN/m, unrounded
  double sum = 0;                          // downward sum (one, two, four, five, six)
  Single qx, qy;                           // floored to 0.01, KN/m
  Single Q;                                // point load at mid-span, KN (six only)
  double gamma = 0;                        // dead-load factor (three, four, five)
};

using LoadCombinations = std::array<LoadCombination, 6>;  // [0] = one … [5] = six

// The roof angle α in radians as the run resolves every load with:
// atan(i) floored to 0.001.
double roofAngle(const DesignCase& dc);

// alpha: the roof angle of roofAngle. Appends the lines of combinations A to
// F to the report.
LoadCombinations loadCombinations(DesignCase& dc, double alpha);

}  // namespace veldrin
