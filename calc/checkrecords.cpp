#include "calc/checkrecords.h"

#include <cmath>
#include <string>
#include <utility>

namespace veldrin {

namespace {

const char* elementName(CheckElement element) {
  switch (element) {
    case CheckElement::Upper: return "上翼缘";
    case CheckElement::Lower: return "下翼缘";
    case CheckElement::Web: return "腹板";
    case CheckElement::None: break;
  }
  return "";
}

}  // namespace

void recordStrength(DesignCase& dc, CheckElement element, double sigma, bool passes) {
  const std::string name = combinationName(dc.combination) + " 强度 " + elementName(element);
  dc.checks.push_back(checkRecord(CheckSection::Strength, dc.combination, element, "sigma", sigma, dc.steelfy, "MPa",
                                  passes, name));
}

void recordEffective(DesignCase& dc, int combination, double sigma, bool passes) {
  dc.checks.push_back(checkRecord(CheckSection::Effective, combination, CheckElement::None, "sigma", sigma, dc.steelfy,
                                  "MPa", passes, combinationName(combination) + " 有效截面强度"));
}

void recordStability(DesignCase& dc, const char* point, double sigma, bool passes) {
  const std::string name = combinationName(dc.combination) + " 稳定 " + point;
  dc.checks.push_back(checkRecord(CheckSection::Stability, dc.combination, CheckElement::None, "sigma", sigma,
                                  dc.steelfy, "MPa", passes, name));
}

void recordSlenderness(DesignCase& dc, bool strongAxis, double lambda, bool passes) {
  dc.checks.push_back(checkRecord(CheckSection::Slenderness, 0, CheckElement::None,
                                  strongAxis ? "lambda_x" : "lambda_y", lambda, 220, "", passes,
                                  strongAxis ? "长细比 λx" : "长细比 λy"));
}

void recordDeflection(DesignCase& dc, bool wind, const char* loads, double ratio, double limit, bool passes,
                      double fShown, double span) {
  CheckResult r = checkRecord(CheckSection::Deflection, 0, CheckElement::None, wind ? "wind" : "gravity", ratio, limit,
                              "L/f", passes, std::string("挠度 ") + loads);
  // A deflection beyond ten spans shows the ratio 1/0, and limit / 0 has no
  // value: its utilisation is limit·f/L from the f and L its line shows.
  if (ratio == 0 && !passes && span > 0) r.utilisation = utilisationUp(limit * std::fabs(fShown) / span);
  dc.checks.push_back(std::move(r));
}

}  // namespace veldrin
