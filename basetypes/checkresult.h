#pragma once
// One verdict of a run: what was checked, the demand against its limit, and
// whether it passes. The report's verdict line and the record come from the
// same code, so the two never disagree.
#include <cstddef>
#include <string>
#include <vector>

namespace veldrin {

enum class CheckSection { Strength, Effective, Stability, Slenderness, Deflection, Shear, Ratio };
enum class CheckElement { None, Upper, Lower, Web };
enum class CheckLocation { None, Midspan, Rods };

struct CheckResult {
  CheckSection section = CheckSection::Strength;
  int combination = 0;  // 1 … 7; 0 where the check belongs to no combination
  CheckElement element = CheckElement::None;
  std::string quantity;  // "sigma", "tau", "lambda_x", "lambda_y", "gravity", "wind", "b/t" …
  double demand = 0;
  double limit = 0;
  std::string unit;  // "MPa", "", "L/f"
  double utilisation = 0;
  bool passes = true;
  CheckLocation location = CheckLocation::None;
  std::string name;  // the check's name in the summary, e.g. "荷载组合三 稳定 σ8"
  std::string clause;  // the code's clause the check is made to, e.g. "GB 50018-2002 式8.1.1-1"; empty when unnamed
};

using CheckResults = std::vector<CheckResult>;

// A record from the values its verdict line shows; the utilisation is
// demand / limit, or limit / demand for a deflection (a larger L/f is better;
// deflectionRecord also knows the f of a ratio shown as 0).
CheckResult checkRecord(CheckSection section, int combination, CheckElement element, std::string quantity,
                        double demand, double limit, std::string unit, bool passes, std::string name);

// A deflection shown as the ratio L/f (floored to 0.1) against the limit
// ratio: utilisation limit / ratio. No deflection (f = 0) is 0; a deflection
// beyond ten spans shows the ratio 0 (1/0), and its utilisation is then
// limit·|f|/L from the f and L its line shows. f and L in one unit.
CheckResult deflectionRecord(int combination, std::string quantity, double ratio, double limit, bool passes,
                             double deflection, double span, std::string name);

// "荷载组合一" … "荷载组合七".
std::string combinationName(int combination);

// The governing record: the largest utilisation, the first of equals;
// checks.size() when there is none.
std::size_t governingCheck(const CheckResults& checks);

// How many records fail.
int failingChecks(const CheckResults& checks);

// demand / limit as the summary shows it: rounded to 15 significant digits,
// then up to 3 decimals, so that 1.000 never hides an excess.
double utilisationUp(double ratio);

}  // namespace veldrin
