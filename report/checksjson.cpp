#include "report/checksjson.h"

namespace veldrin {

namespace {

const char* sectionKey(CheckSection section) {
  switch (section) {
    case CheckSection::Strength: return "strength";
    case CheckSection::Effective: return "effective";
    case CheckSection::Stability: return "stability";
    case CheckSection::Slenderness: return "slenderness";
    case CheckSection::Deflection: return "deflection";
    case CheckSection::Shear: return "shear";
    case CheckSection::Ratio: return "ratio";
  }
  return "";
}

nlohmann::ordered_json elementKey(CheckElement element) {
  switch (element) {
    case CheckElement::Upper: return "upper";
    case CheckElement::Lower: return "lower";
    case CheckElement::Web: return "web";
    case CheckElement::None: break;
  }
  return nullptr;
}

nlohmann::ordered_json locationKey(CheckLocation location) {
  switch (location) {
    case CheckLocation::Midspan: return "midspan";
    case CheckLocation::Rods: return "rods";
    case CheckLocation::None: break;
  }
  return nullptr;
}

}  // namespace

nlohmann::ordered_json checkJson(const CheckResult& c) {
  return {{"section", sectionKey(c.section)},
          {"combination", c.combination > 0 ? nlohmann::ordered_json(c.combination) : nlohmann::ordered_json(nullptr)},
          {"element", elementKey(c.element)},
          {"quantity", c.quantity},
          {"demand", c.demand},
          {"limit", c.limit},
          {"unit", c.unit},
          {"utilisation", c.utilisation},
          {"passes", c.passes},
          {"location", locationKey(c.location)}};
}

nlohmann::ordered_json checksJson(const CheckResults& checks) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const CheckResult& c : checks) list.push_back(checkJson(c));
  const std::size_t governing = governingCheck(checks);
  const bool any = governing < checks.size();
  return {{"verdict", failingChecks(checks) == 0 ? "pass" : "fail"},
          {"max_utilisation", any ? nlohmann::ordered_json(checks[governing].utilisation) : nlohmann::ordered_json(nullptr)},
          {"governing", any ? nlohmann::ordered_json(governing) : nlohmann::ordered_json(nullptr)},
          {"checks", std::move(list)}};
}

std::string jsonText(const nlohmann::ordered_json& json) {
  return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace veldrin
