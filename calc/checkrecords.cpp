#include "calc/checkrecords.h"

#include <string>

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
  dc.checks.push_back(deflectionRecord(0, wind ? "wind" : "gravity", ratio, limit, passes, fShown, span,
                                       std::string("挠度 ") + loads));
}

}  // namespace veldrin
