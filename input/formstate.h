#pragma once
// The main window's texts and selections, as the design-case file and the
// calculation see them: the eighteen boxes, the three lists, the code
// buttons and the sheeting box.
#include <array>
#include <string>
#include <string_view>

namespace veldrin {

inline constexpr int kFieldCount = 18;

struct FormState {
  std::array<std::string, kFieldCount> text;  // text[0] = Text1 … text[17] = Text18
  int combo1 = -1;  // steel grade: 0 Q235, 1 Q345
  int combo2 = -1;  // deflection limit: 0 1/150, 1 1/240, 2 1/360
  int combo3 = -1;  // sag rods: 0, 1, 2
  bool optcode1 = true;   // CECS102:98
  bool optcode2 = false;  // GBJ18-87
  bool optcode3 = false;  // GB 51022-2015 with GB 50018-2002
  int check1 = 0;   // sheeting: 0 clear, 1 ticked, 2 greyed
  bool check2 = false;  // the sag rods also restrain the lower flange

  bool operator==(const FormState&) const = default;

  // Text n (1-based, as the controls are named).
  std::string& field(int n) { return text.at(static_cast<std::size_t>(n - 1)); }
  const std::string& field(int n) const { return text.at(static_cast<std::size_t>(n - 1)); }
};

// Whether the box "拉条同时约束下翼缘" counts: ticked, under GB 51022-2015,
// with sag rods in the span to do the restraining. Otherwise the run does
// not use it and the file does not store it.
bool rodsRestrainLowerFlange(const FormState& form);

// The window as it opens: default texts, no list selected, CECS102:98, sheeting clear.
FormState startupForm(const std::string& dateTime);

// The default project name starts with this placeholder; the file name
// proposed from the name leaves it out, and focusing the name selects it.
inline constexpr std::string_view kProjectPlaceholder = "****";
std::string proposedFileName(const std::string& projectName);

// The label of box n as the window shows it ("截面高h:").
const std::string& fieldLabel(int n);

}  // namespace veldrin
