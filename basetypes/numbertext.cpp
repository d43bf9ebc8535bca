#include "basetypes/numbertext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace veldrin {

namespace {

std::string formatG(double v, int digits) {
  if (!std::isfinite(v)) throw NonFiniteValue();
  if (v == 0.0) return "0";  // negative zero is written 0
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*G", digits, v);
  return buf;
}

std::string dropLeadingZero(std::string s) {
  if (s.rfind("0.", 0) == 0) return s.substr(1);
  if (s.rfind("-0.", 0) == 0) return "-" + s.substr(2);
  return s;
}

double pow10(int n) {
  double p = 1.0;
  for (int i = 0; i < std::abs(n); ++i) p *= 10.0;
  return n >= 0 ? p : 1.0 / p;
}

}  // namespace

double decimalOfFloat(float f) {
  if (!std::isfinite(f)) return static_cast<double>(f);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7G", static_cast<double>(f));
  return std::strtod(buf, nullptr);
}

std::string numText(double v) { return formatG(v, 15); }
std::string numText(Single v) { return formatG(static_cast<double>(v.raw()), 7); }
std::string numText(int v) { return std::to_string(v); }
std::string numText(long v) { return std::to_string(v); }
std::string numText(long long v) { return std::to_string(v); }
std::string numText(short v) { return std::to_string(v); }

std::string fileNumText(double v) { return dropLeadingZero(numText(v)); }
std::string fileNumText(Single v) { return dropLeadingZero(numText(v)); }

double roundTo15(double x) {
  if (!std::isfinite(x) || x == 0.0) return x;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", x);
  return std::strtod(buf, nullptr);
}

double degreesShown(double radians) { return truncateTo(radians * 180 / 3.14159265, 2); }

double truncateTo(double x, int decimals) {
  const double p = pow10(decimals);
  const double y = roundTo15(x * p);
  return std::floor(y) / p;
}

const char* chineseNumeral(int n) {
  static const char* const kNumerals[] = {"一", "二", "三", "四", "五", "六"};
  return n >= 1 && n <= 6 ? kNumerals[n - 1] : "";
}

}  // namespace veldrin
