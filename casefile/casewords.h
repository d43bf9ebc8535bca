#pragma once
// The fixed words of the ".in" file's third line.
#include <array>
#include <string_view>

namespace veldrin::casewords {

inline constexpr std::string_view kSteelQ235 = "A3";
inline constexpr std::string_view kSteelQ345 = "16Mn";
inline constexpr std::array<std::string_view, 3> kDeflection = {"1/150", "1/240", "1/360"};
inline constexpr std::array<std::string_view, 3> kSagRods = {"0", "1", "2"};
inline constexpr std::string_view kCodeCecs102 = "门式钢架轻型房屋钢结构技术规程CECS102:98";
inline constexpr std::string_view kCodeGbj18 = "冷弯薄壁型钢结构技术规范GBJ18-87";
inline constexpr std::string_view kCodeGb51022 = "门式刚架轻型房屋钢结构技术规范GB51022-2015";
inline constexpr std::string_view kSheetingRestrains = "屋面板能阻止檩条的侧向失稳";
inline constexpr std::string_view kSheetingFree = "屋面板不能阻止檩条的侧向失稳";
// The optional item of line 3 after its five words, written only when the
// box counts (ticked, GB 51022-2015, sag rods in the span).
inline constexpr std::string_view kRodsRestrainLowerFlange = "拉条同时约束下翼缘";

// The words each of the five items may hold, in the order of the window's
// entries: a word's position is the list entry, the code button (Optcode1 …
// Optcode3) or the sheeting box's value (0 clear, 1 ticked).
inline constexpr std::array<std::string_view, 2> kSteel = {kSteelQ235, kSteelQ345};
inline constexpr std::array<std::string_view, 3> kCodes = {kCodeCecs102, kCodeGbj18, kCodeGb51022};
inline constexpr std::array<std::string_view, 2> kSheeting = {kSheetingFree, kSheetingRestrains};

}  // namespace veldrin::casewords
