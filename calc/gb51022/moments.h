#pragma once
// Design moments and shear of a simple span, with the sag rods as lateral
// supports of the weak-axis bending.
#include <vector>

#include "basetypes/checkresult.h"
#include "calc/gb51022/loads.h"

namespace veldrin::gb51022 {

struct SpanMoments {
  CheckLocation location = CheckLocation::Midspan;
  double mx = 0;  // KN.m, + compresses the upper flange
  double my = 0;  // KN.m, magnitude: its sense (toward the lips or the web) is not known
};

// The span sections to check. No rod: mid-span, My = qx·L²/8 + Px·L/4. One
// rod: mid-span, the two-span My = qx·L²/32 (the point load sits on the
// rod). Two rods: mid-span with qx·L²/360 + 0.175·Px·L/3 and Mx,max, and the
// rods with qx·L²/90 + 0.075·Px·L/3 and 8/9 of the uniform Mx plus Py·L/6.
std::vector<SpanMoments> spanMoments(const Combination& c, double span, int rods);

// Shear at the support, KN: |qy|·L/2 + |Py|/2.
double supportShear(const Combination& c, double span);

}  // namespace veldrin::gb51022
