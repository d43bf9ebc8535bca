#include "casefile/optionalitems.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

#include "casefile/casefile.h"
#include "casefile/caselayout.h"
#include "casefile/casewords.h"

namespace veldrin {

namespace {

struct OptionalItem {
  std::string_view name;
  bool hasValue;  // "名称=值" rather than the name alone
  // Takes the value (empty for a flag) into the content; `place` names the
  // item for a refusal of the value.
  void (*read)(const std::string& value, const std::string& place, CaseFileContent& content);
};

const std::array<OptionalItem, 1> kOptionalItems = {{
    {casewords::kRodsRestrainLowerFlange, false,
     [](const std::string&, const std::string&, CaseFileContent& c) { c.rodsRestrainLowerFlange = true; }},
}};

[[noreturn]] void refuse(const std::string& message) { throw CaseFileError(message); }

std::string knownNames() {
  std::string names;
  for (const OptionalItem& item : kOptionalItems) {
    names += (names.empty() ? "" : "、") + std::string("“") + std::string(item.name) + (item.hasValue ? "=值”" : "”");
  }
  return names;
}

const OptionalItem& itemNamed(std::string_view name, const std::string& place, const std::string& text) {
  const auto found =
      std::find_if(kOptionalItems.begin(), kOptionalItems.end(), [name](const OptionalItem& i) { return i.name == name; });
  if (found == kOptionalItems.end()) refuse(place + "只能是" + knownNames() + "或省略，文件中为“" + text + "”");
  return *found;
}

}  // namespace

void readOptionalItems(const std::vector<std::string>& items, int first, CaseFileContent& content) {
  std::set<std::string_view> seen;
  for (int n = first; n <= static_cast<int>(items.size()); ++n) {
    const std::string& text = items.at(static_cast<std::size_t>(n - 1));
    const std::string place = itemPlace(3, n);
    const std::size_t equals = text.find('=');
    const std::string_view name = std::string_view(text).substr(0, equals);
    const OptionalItem& item = itemNamed(name, place, text);
    if (!seen.insert(item.name).second) refuse(place + "“" + std::string(name) + "”重复出现，每个可选项只能给出一次");
    if (item.hasValue != (equals != std::string::npos)) {
      refuse(place + "“" + std::string(name) + (item.hasValue ? "”应写作“名称=值”" : "”不带“=值”"));
    }
    item.read(item.hasValue ? text.substr(equals + 1) : std::string(), place, content);
  }
}

}  // namespace veldrin
