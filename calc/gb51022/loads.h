#pragma once
// Wind on the purlin and the load combinations: ultimate by GB 55001-2021
// 3.1.13 with the combination rules of GB 51022-2015 4.5, serviceability by
// the characteristic (standard) combination.
#include <vector>

#include "input/designcase.h"

namespace veldrin::gb51022 {

// wk = β·μw·μz·w0 (GB 51022 4.2.1), β the larger of the code's 1.5 and the
// mandatory 1 + 0.7/√μz of GB 55001-2021 4.6.5-2.
struct Wind {
  double betaMandatory = 0;  // 1 + 0.7/√μz
  double beta = 0;
  double wk = 0;  // KN/m2, + pressure toward the roof, − suction
};
Wind windOf(const DesignCase& dc);

// One combination. Roof loads act per square metre of slope; the dead and
// variable parts resolve by the roof angle, the wind acts normal to the roof.
struct Combination {
  int number = 0;  // 1 … 5 ultimate, 6 and 7 serviceability
  double deadFactor = 0, variableFactor = 0, windFactor = 0, pointFactor = 0;
  double dead = 0, variable = 0;  // factored line loads, KN/m, vertical on the slope
  double wind = 0;                // factored line load normal to the roof, KN/m
  double point = 0;               // factored construction load at mid-span, KN
  double qx = 0, qy = 0;          // down the slope; normal to it, + toward the roof, KN/m
  double px = 0, py = 0;          // the point load's parts, KN
  bool ultimate() const { return number <= 5; }
  bool hasPoint() const { return pointFactor != 0; }
};

struct Loads {
  double alpha = 0;         // roof angle, radians, atan(i)
  double variableLoad = 0;  // Q = max(live, snow) + dust, KN/m2
  bool snowGoverns = false;
  Wind wind;
  std::vector<Combination> combinations;  // in number order; those that do not arise are left out
};

// Combinations: 1 = 1.3D + 1.5Q; with pressure 2 = 1.3D + 1.5Q + 0.6·1.5W and
// 3 = 1.3D + 1.5W + 0.7·1.5Q; with suction 4 = 1.0D + 1.5W; with a
// construction load 5 = 1.3D + 1.5P (no live load with it); then 6 = D + Q
// and 7 = D + W.
Loads loadsOf(const DesignCase& dc);

}  // namespace veldrin::gb51022
