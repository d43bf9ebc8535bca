#pragma once
// The section the strength-check tests work on: C 250×75×20×2.5 of Q235 with
// chosen, round gross-section constants so that stresses are easy to follow.
#include "input/designcase.h"

namespace veldrin::testing {

// A lipped C 250×75×20×2.5 of Q235 (f = 215, fyk = 235), nothing computed yet.
inline DesignCase c250Q235() {
  DesignCase dc;
  dc.h = 250;
  dc.b = 75;
  dc.a = 20;
  dc.t = 2.5;
  dc.steelfy = 215;
  dc.steelfyk = 235;
  return dc;
}

inline DesignCase strengthTestSection() {
  DesignCase dc = c250Q235();
  dc.ix = 1e7;
  dc.iy = 4e5;
  dc.centerx = 20.456;
  dc.z0 = 35.5;
  return dc;
}

}  // namespace veldrin::testing
