#pragma once
// The optional items of the ".in" file's third line, after its five words:
// each is known by its name and given at most once, in any order. A flag is
// its name alone ("拉条同时约束下翼缘"); an item with a value is written
// "名称=值". Adding one is a row of the table in optionalitems.cpp and the
// field of CaseFileContent it fills.
#include <string>
#include <vector>

namespace veldrin {

struct CaseFileContent;

// Reads the items of line 3 from the 1-based item `first` on into content.
// Throws CaseFileError naming the line and item for an unknown name, a name
// given twice, a flag with a value or a value item without one.
void readOptionalItems(const std::vector<std::string>& items, int first, CaseFileContent& content);

}  // namespace veldrin
