#pragma once
// Re-evaluates the printed working of a report: every fully numeric
// substitution "…=<numbers and operators>=<result>" must give its printed
// result within the rounding of its printed numbers. A number with d
// decimals stands for anything within one unit of its last digit (it may be
// floored or rounded); a whole number of fewer than seven digits is taken as
// written (a constant, a dimension); one of seven or more is a float's text
// and may be one unit off. The expression is evaluated with those intervals,
// so a result that lies outside every value its operands allow is an error.
//
// The notation is the report's: + - * / ^, brackets, Sqr/sqrt/√, sin/cos of
// degrees, max, abs; ＝ counts as =, and a line that starts with = carries on
// the substitution of the line before. A sign right after an operator is not
// notation ("*-1.4", "--5"): the report must write such an operand in
// brackets, so the checker counts it as an error.
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
