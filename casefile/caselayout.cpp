#include "casefile/caselayout.h"

#include "input/formstate.h"

namespace veldrin {

namespace {

// "  施工荷载: (作用在跨中)" → "施工荷载": blanks dropped, cut at the colon.
std::string shortLabel(const std::string& label) {
  std::string name;
  for (char c : label) {
    if (c != ' ') name += c;
  }
  for (const char* colon : {":", "："}) {
    const std::size_t at = name.find(colon);
    if (at != std::string::npos) name.erase(at);
  }
  return name;
}

const std::array<const char*, 6> kSelectionNames = {"钢材型号", "挠度限值", "拉条数量", "设计规范", "屋面板约束", "拉条约束下翼缘"};

}  // namespace

std::string itemName(int line, int item) {
  const auto index = static_cast<std::size_t>(item - 1);
  if (line == 1) return shortLabel(fieldLabel(kLine1Boxes.at(index)));
  if (line == 2) return shortLabel(fieldLabel(kLine2Boxes.at(index)));
  return kSelectionNames.at(index);
}

}  // namespace veldrin
