#pragma once
// Design moments of one combination and the strength check of the selected code.
#include <cstdint>

#include "input/designcase.h"
#include "toolkit/platform.h"

namespace veldrin {

void neili(DesignCase& dc, Platform& ui, Single qx, Single qy, Single Q, Single L, std::int16_t latiaonum);

// The design moments neili computes for one combination, in KN.m floored to
// 0.01, without report lines; zero for a sag-rod count outside 0 to 2.
struct DesignMoments {
  double mx = 0, my = 0;
};
DesignMoments combinationMoments(const DesignCase& dc, Single qx, Single qy, Single Q, Single L,
                                 std::int16_t latiaonum);

}  // namespace veldrin
