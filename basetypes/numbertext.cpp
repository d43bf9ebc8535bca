#include "basetypes/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace veldrin {

namespace {

// v to `digits` significant digits, correctly rounded: the digits without
// the point and the decimal exponent of the first (12345.6 to 4 digits is
// "1235" and 4).
struct Significand {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

Significand significand(double v, int digits) {
  char buf[64];
  const auto done = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits - 1);
  const std::string_view text(buf, static_cast<std::size_t>(done.ptr - buf));  // "-1.2345e+03"
  Significand s;
  std::size_t i = 0;
  if (text[0] == '-') {
    s.negative = true;
    i = 1;
  }
  const std::size_t e = text.find('e');
  for (; i < e; ++i) {
    if (text[i] != '.') s.digits += text[i];
  }
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), s.exponent);
  return s;
}

void dropTrailingZeros(std::string& digits) {
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

// Plain digits: the point after the first exponent+1 digits.
std::string plain(const Significand& s) {
  std::string d = s.digits;
  std::string out = s.negative ? "-" : "";
  if (s.exponent < 0) {
    dropTrailingZeros(d);
    return out + "0." + std::string(static_cast<std::size_t>(-s.exponent - 1), '0') + d;
  }
  const std::size_t whole = static_cast<std::size_t>(s.exponent) + 1;
  std::string fraction = d.substr(whole);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  out += d.substr(0, whole);
  return fraction.empty() ? out : out + "." + fraction;
}

// 1.5E+16, 1E-05: the mantissa without trailing zeros, a signed exponent of
// at least two digits.
std::string withExponent(const Significand& s) {
  std::string d = s.digits;
  dropTrailingZeros(d);
  std::string out = s.negative ? "-" : "";
  out += d.substr(0, 1);
  if (d.size() > 1) out += "." + d.substr(1);
  const int magnitude = std::abs(s.exponent);
  out += s.exponent < 0 ? "E-" : "E+";
  if (magnitude < 10) out += '0';
  return out + std::to_string(magnitude);
}

// The "%.{digits}G" text of v: plain digits from 1E-4 up to 10^digits, an
// exponent beyond; no trailing zeros.
std::string formatG(double v, int digits) {
  if (!std::isfinite(v)) throw NonFiniteValue();
  if (v == 0.0) return "0";  // negative zero is written 0
  const Significand s = significand(v, digits);
  return s.exponent < -4 || s.exponent >= digits ? withExponent(s) : plain(s);
}

// v rounded to `digits` significant decimal digits and read back.
double roundToDigits(double v, int digits) {
  char buf[64];
  const auto done = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits - 1);
  double back = v;
  std::from_chars(buf, done.ptr, back);
  return back;
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
  return roundToDigits(static_cast<double>(f), 7);
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
  return roundToDigits(x, 15);
}

double degreesShown(double radians) { return truncateTo(radians * 180 / 3.14159265, 2); }

double truncateTo(double x, int decimals) {
  const double p = pow10(decimals);
  const double y = roundTo15(x * p);
  return std::floor(y) / p;
}

const char* chineseNumeral(int n) {
  static const char* const kNumerals[] = {"一", "二", "三", "四", "五", "六", "七"};
  return n >= 1 && n <= 7 ? kNumerals[n - 1] : "";
}

}  // namespace veldrin
