#pragma once
// The check records as JSON (keys in the order the format lists them), for the headless command and for programs that
// read results rather than reports.
#include <nlohmann/json.hpp>

#include "basetypes/checkresult.h"

namespace veldrin {

// One record: {"section", "combination", "element", "quantity", "demand",
// "limit", "unit", "utilisation", "passes", "location"}; what does not apply is null.
nlohmann::ordered_json checkJson(const CheckResult& check);

// The whole run: {"verdict": "pass"|"fail", "max_utilisation", "governing"
// (an index into "checks", null without checks), "checks": [...]}.
nlohmann::ordered_json checksJson(const CheckResults& checks);

// The text the command prints, indented by two, with a line end. A string
// that is not UTF-8 (a name from a user's file) has its stray bytes replaced
// by U+FFFD instead of stopping the writer.
std::string jsonText(const nlohmann::ordered_json& json);

}  // namespace veldrin
