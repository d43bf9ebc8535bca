#pragma once
// Re-evaluates the printed working of a report: every fully numeric
// substitution "…=<numbers and operators>=<result>" must give its printed
// result within the rounding of its printed numbers, evaluated with interval
// arithmetic. A number with d decimals stands for anything within one unit of
// its last digit (it may be floored or rounded); a whole number for anything
// within 0.01 (a floored value whose decimals were zero), 0.1 as a result
// (a slenderness or span ratio floored to 0.1), one unit from seven digits
// on (a float's text). The constants a line's formula writes before its
// numbers (2 in h/2, 1.2 in 1.2*qD*a) and every exponent are exact.
//
// The notation is the report's: + - * / ^, brackets, Sqr/sqrt/√, sin/cos of
// degrees, max, abs; ＝ counts as =, and a line that starts with = carries on
// the substitution of the line before. A sign right after an operator is not
// notation ("*-1.4", "--5"): the report must write such an operand in
// brackets, so the checker counts it as an error; "-0.46^2" is -(0.46^2), as
// in arithmetic.
#include <string>
#include <vector>

namespace veldrin::arith {

struct Finding {
  int line = 0;             // 1-based line of the report where the substitution starts
  std::string expression;   // the numeric substitution as printed
  std::string printed;      // the printed result it was compared with
  std::string why;          // what went wrong, with the interval it evaluates to
};

struct Audit {
  int substitutions = 0;          // fully numeric substitutions found
  std::vector<Finding> failures;  // those that do not give their printed result
};

Audit auditReport(const std::string& text);

// One finding as a line of text, "LINE: EXPRESSION = PRINTED (WHY)".
std::string describe(const Finding& f);

}  // namespace veldrin::arith
