#include "calc/loadcombinations.h"

#include <cmath>

namespace veldrin {

namespace {

// The roof angle as the resolution uses it, and as the sine and cosine lines show it.
struct Roof {
  double sinA, cosA;
  double deg;  // α in degrees, floored to 0.01
};

Roof roofOf(double alpha) { return {std::sin(alpha), std::cos(alpha), degreesShown(alpha)}; }

// A resolved line load is held as a float, floored to 0.01 after the product
// has been rounded to a float.
Single floorToHundredth(double product) {
  const Single asFloat = product;
  return truncateTo(asFloat, 2);
}

// qW·μz·μs·fcw: negative under suction.
double windTerm(const DesignCase& dc) { return dc.kwindload * dc.windhigh * dc.windstyle * dc.adjustfactor; }

// Wind pressure adds to the dead load, so only suction can relieve its
// factor: gravity normal to the roof against the uplift.
double gammaThree(const DesignCase& dc, const Roof& roof) {
  if (windTerm(dc) >= 0) return 1.2;
  const double uplift = std::fabs(dc.windhigh * dc.windstyle * dc.kwindload * dc.adjustfactor);
  return dc.kdeadload * roof.cosA >= uplift ? 1.2 : 1.0;
}

// thirdLoad: snow for combination four, dust for five.
double gammaFourFive(const DesignCase& dc, const Roof& roof, double thirdLoad) {
  if (windTerm(dc) >= 0) return 1.2;
  const double gravity = (1.2 * dc.kdeadload + 1.19 * (dc.kliveload + thirdLoad)) * roof.cosA;
  return gravity >= 0.85 * std::fabs(windTerm(dc)) ? 1.2 : 1.0;
}

void deadLoadLine(DesignCase& dc, double gamma, double q0) {
  const char* label = gamma == 1.0 ? "1.恒载设计值为:q0=1.0*qD*a=1.0*" : "1.恒载设计值为:q0=1.2*qD*a=1.2*";
  dc.filestring.line(5, label, operand(dc.kdeadload), "*", dc.marlobay, "=", q0, "KN/m");
}

void factoredLine(DesignCase& dc, const char* label, double load, double value) {
  dc.filestring.line(5, label, operand(load), "*", dc.marlobay, "=", value, "KN/m");
}

void windLine(DesignCase& dc, const char* label, double value) {
  dc.filestring.line(5, label, operand(dc.kwindload), "*(", dc.windstyle, ")*", operand(dc.windhigh), "*", dc.adjustfactor, "*",
                     dc.marlobay, "=", value, "KN/m", "(负号表示垂直屋面向上吸力)");
}

struct ResolvedText {
  const char* qxLabel;
  const char* qyLabel;
};

// The x and y lines of a combination whose loads all act downward.
void resolvedLines(DesignCase& dc, const Roof& roof, const ResolvedText& text, const LoadCombination& c) {
  dc.filestring.line(5, "x方向线荷载设计值为:");
  dc.filestring.line(9, text.qxLabel, c.sum, "*sin(", roof.deg, ")=", c.qx, "KN/m");
  dc.filestring.line(5, "y方向线荷载设计值为:");
  dc.filestring.line(9, text.qyLabel, c.sum, "*cos(", roof.deg, ")=", c.qy, "KN/m");
}

void resolveDownward(LoadCombination& c, const Roof& roof) {
  c.qx = floorToHundredth(c.sum * roof.sinA);
  c.qy = floorToHundredth(c.sum * roof.cosA);
}

struct GravityText {
  const char* heading;
  const char* thirdLabel;
  const char* caption;
  const char* sumLabel;
  ResolvedText resolved;
};

// Combinations one and two: dead, live and a third gravity load (snow or dust).
LoadCombination gravityLoads(const DesignCase& dc, const Roof& roof, double thirdLoad) {
  LoadCombination c;
  c.q0 = 1.2 * dc.kdeadload * dc.marlobay;
  c.q1 = 1.4 * dc.kliveload * dc.marlobay;
  c.q2 = 1.4 * thirdLoad * dc.marlobay;
  c.sum = c.q0 + c.q1 + c.q2;
  resolveDownward(c, roof);
  return c;
}

void writeGravity(DesignCase& dc, const Roof& roof, double thirdLoad, const GravityText& text,
                  const LoadCombination& c) {
  dc.filestring.line(3, text.heading);
  deadLoadLine(dc, 1.2, c.q0);
  factoredLine(dc, "2.活载设计值为:q1=1.4*qL*a=1.4*", dc.kliveload, c.q1);
  factoredLine(dc, text.thirdLabel, thirdLoad, c.q2);
  dc.filestring.line(5, text.caption);
  dc.filestring.line(9, text.sumLabel, c.q0, "+", operand(c.q1), "+", operand(c.q2), "=", c.sum, "KN/m");
  resolvedLines(dc, roof, text.resolved, c);
}

// Combination three: dead load and wind; the wind acts normal to the roof only.
LoadCombination windLoads(const DesignCase& dc, const Roof& roof) {
  LoadCombination c;
  c.gamma = gammaThree(dc, roof);
  c.q0 = c.gamma * dc.kdeadload * dc.marlobay;
  c.q1 = 1.4 * dc.kwindload * dc.windstyle * dc.windhigh * dc.adjustfactor * dc.marlobay;
  c.qx = floorToHundredth(c.q0 * roof.sinA);
  c.qy = floorToHundredth(c.q0 * roof.cosA + c.q1);
  return c;
}

void writeWind(DesignCase& dc, const Roof& roof, const LoadCombination& c) {
  dc.filestring.line(3, c.gamma == 1.0 ? "C.荷载组合三<1.0恒+1.4风>" : "C.荷载组合三<1.2恒+1.4风>");
  deadLoadLine(dc, c.gamma, c.q0);
  windLine(dc, "4.风荷载设计值为:q1=1.4*qW*μs*μz*fcw*a=1.4*", c.q1);
  dc.filestring.line(5, "荷载组合三线荷载设计值为:");
  dc.filestring.line(5, "x方向线荷载设计值为:");
  dc.filestring.line(9, "qx=q0*sin(α)=", c.q0, "*sin(", roof.deg, ")=", c.qx, "KN/m");
  dc.filestring.line(5, "y方向线荷载设计值为:");
  dc.filestring.line(9, "qy=q0*cos(α)+q1=", c.q0, "*cos(", roof.deg, ")+(", c.q1, ")=", c.qy, "KN/m");
}

struct CombinedText {
  const char* headingFull;     // dead load factored 1.2
  const char* headingRelieved; // dead load factored 1.0
  const char* thirdLabel;
  const char* caption;
};

void combinedResolvedLines(DesignCase& dc, const Roof& roof, const LoadCombination& c) {
  dc.filestring.line(5, "x方向线荷载设计值为:");
  dc.filestring.line(9, "qx=(q0+q1+q2)*sin(α)=", "(", c.q0, "+", operand(c.q1), "+", operand(c.q2), ")", "*sin(", roof.deg,
                     ")=", c.qx, "KN/m");
  dc.filestring.line(5, "y方向线荷载设计值为:");
  dc.filestring.line(9, "qy=(q0+q1+q2)*cos(α)+q3=", "(", c.q0, "+", operand(c.q1), "+", operand(c.q2), ")", "*cos(",
                     roof.deg, ")+(", c.q3, ")=", c.qy, "KN/m");
}

// Combinations four and five: dead load plus 0.85 of live, snow or dust, and wind.
LoadCombination combinedLoads(const DesignCase& dc, const Roof& roof, double thirdLoad) {
  LoadCombination c;
  c.gamma = gammaFourFive(dc, roof, thirdLoad);
  c.q0 = c.gamma * dc.kdeadload * dc.marlobay;
  c.q1 = 1.19 * dc.kliveload * dc.marlobay;
  c.q2 = 1.19 * thirdLoad * dc.marlobay;
  c.q3 = 1.19 * dc.kwindload * dc.windstyle * dc.windhigh * dc.adjustfactor * dc.marlobay;
  c.sum = c.q0 + c.q1 + c.q2;
  c.qx = floorToHundredth(c.sum * roof.sinA);
  c.qy = floorToHundredth(c.sum * roof.cosA + c.q3);
  return c;
}

void writeCombined(DesignCase& dc, const Roof& roof, double thirdLoad, const CombinedText& text,
                   const LoadCombination& c) {
  dc.filestring.line(3, c.gamma == 1.0 ? text.headingRelieved : text.headingFull);
  deadLoadLine(dc, c.gamma, c.q0);
  factoredLine(dc, "2.活载设计值为:q1=0.85*1.4*qL*a=0.85*1.4*", dc.kliveload, c.q1);
  factoredLine(dc, text.thirdLabel, thirdLoad, c.q2);
  windLine(dc, "4.风荷载设计值为:q3=0.85*1.4*qW*μs*μz*fcw*a=0.85*1.4*", c.q3);
  dc.filestring.line(5, text.caption);
  combinedResolvedLines(dc, roof, c);
}

// Combination six: dead and live line loads with the construction load at mid-span.
LoadCombination constructionLoads(const DesignCase& dc, const Roof& roof) {
  LoadCombination c;
  c.q0 = 1.2 * dc.kdeadload * dc.marlobay;
  c.q1 = 1.4 * dc.kliveload * dc.marlobay;
  c.sum = c.q0 + c.q1;
  resolveDownward(c, roof);
  c.Q = 1.4 * dc.kshigongload;  // rounded to a float, not floored
  return c;
}

void writeConstruction(DesignCase& dc, const Roof& roof, const LoadCombination& c) {
  dc.filestring.line(3, "F.荷载组合六<1.2恒+1.4活+1.4施工荷载>");
  deadLoadLine(dc, 1.2, c.q0);
  factoredLine(dc, "2.活载设计值为:q1=1.4*qL*a=1.4*", dc.kliveload, c.q1);
  dc.filestring.line(5, "3.施工荷载设计值为:Q=1.4*Qc=1.4*", operand(dc.kshigongload), "=", 1.4 * dc.kshigongload, "KN");
  dc.filestring.line(5, "荷载组合六线荷载设计值为:");
  dc.filestring.line(9, "qE=q0+q1=", c.q0, "+", operand(c.q1), "=", c.sum, "KN/m");
  resolvedLines(dc, roof, {"qx=qE*sin(α)=", "qy=qE*cos(α)="}, c);
  dc.filestring.line(5, "跨中集中荷载设计值为:");
  dc.filestring.line(9, "Q＝", c.Q, "KN");
}

const GravityText kCombinationOne{"A.荷载组合一<1.2恒+1.4活+1.4雪>", "3.雪载设计值为:q2=1.4*qS*a=1.4*",
                                  "荷载组合一线荷载设计值为:", "qA=q0+q1+q2=", {"qx=qA*sin(α)=", "qy=qA*cos(α)="}};
// The third label names qS although the load is the dust load.
const GravityText kCombinationTwo{"B.荷载组合二<1.2恒+1.4活+1.4积灰>", "3.积灰载设计值为:q2=1.4*qS*a=1.4*",
                                  "荷载组合二线荷载设计值为:", "qB=q0+q1+q2=", {"qx=qB*sin(α)=", "qy=qB*cos(α)="}};
const CombinedText kCombinationFour{"D.荷载组合四<1.2恒+0.85(1.4活+1.4雪+1.4风)>", "D.荷载组合四<1.0恒+0.85(1.4活+1.4雪+1.4风)>",
                                    "3.雪荷载设计值为:q2=0.85*1.4*qS*a=0.85*1.4*", "荷载组合四线荷载设计值为:"};
const CombinedText kCombinationFive{"E.荷载组合五<1.2恒+0.85(1.4活+1.4积灰+1.4风)>",
                                    "E.荷载组合五<1.0恒+0.85(1.4活+1.4积灰+1.4风)>",
                                    "3.积灰荷载设计值为:q2=0.85*1.4*qA*a=0.85*1.4*", "荷载组合五线荷载设计值为:"};

}  // namespace

double roofAngle(const DesignCase& dc) { return truncateTo(std::atan(static_cast<double>(dc.degree)), 3); }

LoadCombinations loadCombinations(DesignCase& dc, double alpha) {
  const Roof roof = roofOf(alpha);
  LoadCombinations c;
  c[0] = gravityLoads(dc, roof, dc.ksnowload);
  writeGravity(dc, roof, dc.ksnowload, kCombinationOne, c[0]);
  c[1] = gravityLoads(dc, roof, dc.kdurtload);
  writeGravity(dc, roof, dc.kdurtload, kCombinationTwo, c[1]);
  c[2] = windLoads(dc, roof);
  writeWind(dc, roof, c[2]);
  c[3] = combinedLoads(dc, roof, dc.ksnowload);
  writeCombined(dc, roof, dc.ksnowload, kCombinationFour, c[3]);
  c[4] = combinedLoads(dc, roof, dc.kdurtload);
  writeCombined(dc, roof, dc.kdurtload, kCombinationFive, c[4]);
  c[5] = constructionLoads(dc, roof);
  writeConstruction(dc, roof, c[5]);
  return c;
}

}  // namespace veldrin
