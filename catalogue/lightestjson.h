#pragma once
// The search result as JSON, for the command line and for programs that
// read results: {"proposed": index or null, "sections": [...]} in catalogue
// order, the keys of each object in the order listed here, as the check
// records' own JSON keeps them.
#include <nlohmann/json.hpp>

#include "catalogue/lightest.h"

namespace veldrin {

// One section: {"name", "h", "b", "a", "t", "mass" (kg/m, null without a
// section), "status": "pass"|"fail"|"refused", "reason" (refused only),
// "max_utilisation" and "governing" (the governing check record; both null
// when the section was not calculated)}.
nlohmann::ordered_json trialJson(const SectionTrial& trial);

nlohmann::ordered_json lightestJson(const LightestSearch& search);

}  // namespace veldrin
