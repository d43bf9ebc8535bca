#pragma once
// Where the items of the ".in" file come from: the boxes of lines 1 and 2 in
// file order, and the names the messages give the items.
#include <array>
#include <string>

namespace veldrin {

inline constexpr std::array<int, 8> kLine1Boxes = {1, 2, 3, 4, 5, 6, 7, 13};
inline constexpr std::array<int, 10> kLine2Boxes = {14, 15, 16, 17, 18, 8, 9, 10, 11, 12};
// Line 3 may go on with optional items (casefile/optionalitems.h).
inline constexpr std::array<std::size_t, 3> kItemsPerLine = {8, 10, 5};

// The name of item `item` (1-based) of line `line` (1-based) in messages:
// the label of its box without blanks and colon ("雪荷载"), the name of the
// selection for the five items of line 3, "可选项" after them.
std::string itemName(int line, int item);

// Where an item stands, as the messages say it: "第3行第4项(设计规范)".
std::string itemPlace(int line, int item);

}  // namespace veldrin
