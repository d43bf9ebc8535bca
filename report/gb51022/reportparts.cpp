// The number steps, verdict words and combination titles every section of
// the GB 51022-2015 report shares.
#include "report/gb51022/reportparts.h"

namespace veldrin::gb51022 {

namespace {

const char* combinationRule(int number) {
  static constexpr const char* kRules[] = {"",
                                           "1.3恒+1.5活",
                                           "1.3恒+1.5活+0.6×1.5风",
                                           "1.3恒+1.5风+0.7×1.5活",
                                           "1.0恒+1.5风",
                                           "1.3恒+1.5施工荷载",
                                           "恒+活,标准组合",
                                           "恒+风,标准组合"};
  return number >= 1 && number <= 7 ? kRules[number] : "";
}

}  // namespace

double shown2(double x) { return truncateTo(x, 2); }
double shown3(double x) { return truncateTo(x, 3); }

std::string verdictTail(const CheckResult& r) {
  return r.passes ? ",满足要求!" : ",不满足要求!(************)";
}

std::string combinationTitle(const Combination& c) {
  return combinationName(c.number) + "<" + combinationRule(c.number) + ">";
}

std::string headingNumeral(int n) {
  static constexpr const char* kDigits[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
  const int tens = n / 10 % 10, ones = n % 10;
  std::string text = tens > 1 ? kDigits[tens] : "";
  if (tens > 0) text += "十";
  return text + kDigits[ones];
}

}  // namespace veldrin::gb51022
