#pragma once
// Plate width-to-thickness check under GBJ18-87 (moments in N·mm).
#include <optional>
#include <string>

#include "input/designcase.h"
#include "toolkit/platform.h"

namespace veldrin {

// The web's effective width-to-thickness ratio is asked of the user: the
// title of the question and the message that refuses an answer.
inline constexpr const char* kWebRatioTitle = "有效宽厚比输入";
inline constexpr const char* kWebRatioRefused = "腹板有效宽厚比输入有误(非数字输入或者输入值<=0)，请输入大于0的数值!";

// The ratio an answer gives: the whole text one finite number greater than 0
// ("50", " 62.5 "); nullopt for anything else ("", "abc", "50mm", "0", "-5").
std::optional<double> webRatioAnswer(const std::string& answer);

// Asks the user for the web's effective ratio until the answer is a number
// greater than 0 (each refused answer gets its message box); Cancel throws
// RunCancelled. Overstressed elements bring
// up a warning box. Starts from the full widths (he = h, be1 = be2 = b) and
// sets effectflag for an element that fails its ratio test (never clears it).
void neilicheck_code2(DesignCase& dc, Platform& ui, double mx, double my);

// ξ of an edge-stiffened flange for the edge coefficient α (two decimals):
// interpolated in the table between 0.2 and 2.0, 14 below and 47 from 2.0 on.
double allowableRatioCoefficient(double alpha);

}  // namespace veldrin
