#pragma once
// The down-slope bending My′ of one span: the load down the slope bends the
// purlin about its weak axis, simply supported at the rafters and
// continuous over the sag rods, which hold it sideways at equal spacing.
// With no rod My′ = qx·L²/8 (+ Px·L/4 at mid-span); one rod gives
// −qx·L²/32 over it; two rods −qx·L²/90 over them and qx·L²/360 at
// mid-span (with Px there 0.175·Px·L/3 more, −0.075·Px·L/3 at the rods):
// the coefficients of the single span. Nothing is released here.
#include "calc/line/lineforces.h"

namespace veldrin::line {

class LateralBeam {
 public:
  // qx: kN/m down the slope; px: kN down the slope at a, m from the left rafter.
  LateralBeam(double span, int rods, double qx, double px = 0, double a = 0);

  // kN·m, with the sign of a sagging moment under a positive qx; 0 at the rafters.
  double moment(double x) const;

 private:
  int bayOf(double x) const;
  double bayStart(int bay) const;

  double span_ = 0;
  int rods_ = 0;
  LineForces bays_;  // the bays between the rafters and the rods as a continuous beam
};

}  // namespace veldrin::line
