#pragma once
// What Enter does in a numeric box of the main window: the range check with
// its message, the next box of the chain, and whether the legend is redrawn.
// Also the selection a box takes when it gains the focus.
#include <string>
#include <string_view>

namespace veldrin {

// The end of the Enter chain: the calculate button, not a box.
inline constexpr int kCalculateButton = 0;

// The boxes with an Enter check: Text4 … Text18.
bool hasEnterCheck(int field);

struct EnterCheck {
  bool accepted = false;
  std::string message;  // the box's message when rejected, empty when accepted
};

// The text must be a number as a whole (isNumeric), and its leading number
// must lie in the box's range. A number too large to be finite is refused.
EnterCheck checkOnEnter(int field, std::string_view text);

// Where the focus goes after an accepted Enter: the next box, or
// kCalculateButton after Text18.
int nextOnEnter(int field);

// h, b, a and t: an accepted Enter presses the legend button first.
bool pressesLegendOnEnter(int field);

// The selection a box takes on gaining the focus, from its start: the
// placeholder "****" of the project name, the whole text elsewhere.
// textLength and the result count characters as the window counts them.
int focusSelectionLength(int field, int textLength);

}  // namespace veldrin
