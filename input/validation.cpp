#include "input/validation.h"

#include <array>
#include <cmath>

#include "input/formstate.h"
#include "input/numberrules.h"

namespace veldrin {

namespace {

const char* const kHeightMessage = "输入有误(非数字或者输入值>400或<＝120)，请核对后输入!";
const char* const kFlangeMessage = "输入有误(非数字或者输入值>150或者输入值<40)，请核对后输入!";
const char* const kLipMessage = "输入有误(非数字或者输入值>100或<=0)，请核对后输入!";
const char* const kPositiveMessage = "输入有误(非数字输入或者输入值<=0)，请核对后输入!";
const char* const kNumberMessage = "输入有误(非数字输入)，请核对后输入!";

enum class Lower { None, Above, AtLeast };

// One box of the chain: its accepted range (lower bound, optional upper
// bound "at most") and what a rejection says.
struct EnterRule {
  Lower lower;
  double low;
  bool hasUpper;
  double high;
  const char* message;
};

constexpr int kFirstChecked = 4;

// Text4 … Text18 in chain order.
const std::array<EnterRule, kFieldCount - kFirstChecked + 1> kRules = {{
    {Lower::Above, 120, true, 400, kHeightMessage},       // h
    {Lower::AtLeast, 40, true, 150, kFlangeMessage},      // b
    {Lower::Above, 0, true, 100, kLipMessage},            // a
    {Lower::Above, 0, false, 0, kPositiveMessage},        // t
    {Lower::AtLeast, 0, false, 0, kNotNegativeMessage},   // base wind pressure
    {Lower::Above, 0, false, 0, kPositiveMessage},        // height coefficient
    {Lower::None, 0, false, 0, kNumberMessage},           // shape coefficient, any sign
    {Lower::Above, 0, false, 0, kPositiveMessage},        // span
    {Lower::Above, 0, false, 0, kPositiveMessage},        // spacing
    {Lower::Above, 0, false, 0, kPositiveMessage},        // slope
    {Lower::Above, 0, false, 0, kPositiveMessage},        // dead load
    {Lower::Above, 0, false, 0, kPositiveMessage},        // live load
    {Lower::AtLeast, 0, false, 0, kNotNegativeMessage},   // snow load
    {Lower::AtLeast, 0, false, 0, kNotNegativeMessage},   // dust load
    {Lower::Above, 0, false, 0, kPositiveMessage},        // construction load
}};

const EnterRule& ruleOf(int field) {
  return kRules.at(static_cast<std::size_t>(field - kFirstChecked));
}

bool inRange(const EnterRule& rule, double v) {
  if (rule.lower == Lower::Above && !(v > rule.low)) return false;
  if (rule.lower == Lower::AtLeast && !(v >= rule.low)) return false;
  return !rule.hasUpper || v <= rule.high;
}

}  // namespace

bool hasEnterCheck(int field) { return field >= kFirstChecked && field <= kFieldCount; }

EnterCheck checkOnEnter(int field, std::string_view text) {
  const EnterRule& rule = ruleOf(field);
  const bool numeric = isNumeric(text);
  const double v = numeric ? leadingNumber(text) : 0.0;
  if (numeric && std::isfinite(v) && inRange(rule, v)) return {true, {}};
  return {false, rule.message};
}

int nextOnEnter(int field) {
  ruleOf(field);  // only boxes of the chain have a next one
  return field == kFieldCount ? kCalculateButton : field + 1;
}

bool pressesLegendOnEnter(int field) { return field >= 4 && field <= 7; }

int focusSelectionLength(int field, int textLength) {
  // the first four characters, the length of the default name's placeholder
  constexpr int kPlaceholderLength = static_cast<int>(kProjectPlaceholder.size());
  if (field == 1) return textLength < kPlaceholderLength ? textLength : kPlaceholderLength;
  return textLength;
}

}  // namespace veldrin
