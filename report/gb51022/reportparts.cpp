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
  return std::string("荷载组合") + numeral(c.number) + "<" + combinationRule(c.number) + ">";
}

}  // namespace veldrin::gb51022
