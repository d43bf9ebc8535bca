#pragma once
// The report of a purlin checked to GB 51022-2015 with GB 50018-2002, one
// writer per section; the verdict lines are written from the check records.
#include <string>

#include "basetypes/reporttext.h"
#include "calc/gb51022/checks.h"
#include "input/designcase.h"

namespace veldrin::gb51022 {

inline constexpr int kBase = 3;  // the base indent n

// Numbers as the report shows them: floored to a fixed step.
double shown2(double x);
double shown3(double x);

// "满足要求!" or "不满足要求!(************)" with the comparison before it.
std::string verdictTail(const CheckResult& r);

// The number of a sub-heading "<一>": 一 … 十, 十一 … 九十九.
std::string headingNumeral(int n);

// "荷载组合一<1.3恒+1.5活>".
std::string combinationTitle(const Combination& c);

void writeKnownConditions(ReportText& r, const DesignCase& dc, const PurlinChecks& p);
void writeCombinations(ReportText& r, const DesignCase& dc, const PurlinChecks& p);
void writeStrength(ReportText& r, const PurlinChecks& p);
void writeStability(ReportText& r, const DesignCase& dc, const PurlinChecks& p);
void writeDetailing(ReportText& r, const DesignCase& dc, const PurlinChecks& p);

}  // namespace veldrin::gb51022
