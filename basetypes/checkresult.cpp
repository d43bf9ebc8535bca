#include "basetypes/checkresult.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "basetypes/numbertext.h"

namespace veldrin {

double utilisationUp(double ratio) {
  if (!std::isfinite(ratio)) return ratio;
  // Round the scaled value to 15 digits first: 1.0000000000000002 is 1.000, not 1.001.
  return std::ceil(roundTo15(ratio * 1000)) / 1000;
}

namespace {

// A larger L/f is better, so the ratio is turned over; a shown ratio of 0
// takes f and L when they are known.
double deflectionUtilisation(double ratio, double limit, double deflection, double span) {
  if (ratio > 0) return utilisationUp(limit / ratio);
  if (deflection == 0 || !(span > 0)) return 0.0;
  return utilisationUp(limit * std::fabs(deflection) / span);
}

double utilisationOf(CheckSection section, double demand, double limit) {
  if (section == CheckSection::Deflection) return deflectionUtilisation(demand, limit, 0, 0);
  return limit == 0 ? 0.0 : utilisationUp(demand / limit);
}

}  // namespace

CheckResult checkRecord(CheckSection section, int combination, CheckElement element, std::string quantity,
                        double demand, double limit, std::string unit, bool passes, std::string name) {
  CheckResult r;
  r.section = section;
  r.combination = combination;
  r.element = element;
  r.quantity = std::move(quantity);
  r.demand = demand;
  r.limit = limit;
  r.unit = std::move(unit);
  r.utilisation = utilisationOf(section, demand, limit);
  r.passes = passes;
  r.name = std::move(name);
  return r;
}

CheckResult deflectionRecord(int combination, std::string quantity, double ratio, double limit, bool passes,
                             double deflection, double span, std::string name) {
  CheckResult r = checkRecord(CheckSection::Deflection, combination, CheckElement::None, std::move(quantity), ratio,
                              limit, "L/f", passes, std::move(name));
  r.utilisation = deflectionUtilisation(ratio, limit, deflection, span);
  return r;
}

std::size_t governingCheck(const CheckResults& checks) {
  std::size_t governing = checks.size();
  for (std::size_t i = 0; i < checks.size(); ++i) {
    if (governing == checks.size() || checks[i].utilisation > checks[governing].utilisation) governing = i;
  }
  return governing;
}

int failingChecks(const CheckResults& checks) {
  return static_cast<int>(std::count_if(checks.begin(), checks.end(), [](const CheckResult& c) { return !c.passes; }));
}

std::string combinationName(int combination) { return std::string("荷载组合") + chineseNumeral(combination); }

}  // namespace veldrin
