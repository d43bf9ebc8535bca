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

const std::array<const char*, 5> kSelectionNames = {"钢材型号", "挠度限值", "拉条数量", "设计规范", "屋面板约束"};

}  // namespace

std::string itemName(int line, int item) {
  const auto index = static_cast<std::size_t>(item - 1);
  if (line == 1) return shortLabel(fieldLabel(kLine1Boxes.at(index)));
  if (line == 2) return shortLabel(fieldLabel(kLine2Boxes.at(index)));
  return index < kSelectionNames.size() ? kSelectionNames.at(index) : "可选项";
}

std::string itemPlace(int line, int item) {
  std::string place = "第" + std::to_string(line) + "行第" + std::to_string(item) + "项";
  const bool named = line == 3 || static_cast<std::size_t>(item) <= kItemsPerLine.at(static_cast<std::size_t>(line - 1));
  return named ? place + "(" + itemName(line, item) + ")" : place;
}

}  // namespace veldrin
