#pragma once
// What Enter does in a numeric box of the main window: the range check with
// its message, the next box of the chain, and whether the legend is redrawn.
// Also the selection a box takes when it gains the focus.
#include <string>
#include <string_view>

namespace veldrin {

// The message of a box that takes no value below zero (the base wind
// pressure, snow and dust loads); the ".in" reader and the run refuse a
// negative load with it too.
inline constexpr const char* kNotNegativeMessage = "输入有误(非数字输入或者输入值<0)，请核对后输入!";

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
