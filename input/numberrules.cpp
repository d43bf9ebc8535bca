#include "input/numberrules.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <string>
#include <system_error>

namespace veldrin {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the number at the start of s (0 when there is none); the
// mantissa needs a digit, the exponent is taken only with its digits.
std::size_t numberLength(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  bool point = false;
  while (i < s.size() && (isDigit(s[i]) || (s[i] == '.' && !point))) {
    if (s[i] == '.') point = true; else ++digits;
    ++i;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    std::size_t k = j;
    while (k < s.size() && isDigit(s[k])) ++k;
    if (k > j) i = k;
  }
  return i;
}

double parseNumber(std::string_view s) {
  std::string text(s.substr(!s.empty() && s[0] == '+' ? 1 : 0));  // from_chars takes no plus sign
  for (char& c : text) {
    if (c == 'D' || c == 'd') c = 'E';
  }
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  // Beyond a double's range strtod gives +-inf or the nearest tiny value; the rare case goes there.
  if (result.ec == std::errc::result_out_of_range) return std::strtod(text.c_str(), nullptr);
  return value;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

double leadingNumber(std::string_view text) {
  std::string compact;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') compact += c;
  }
  const std::size_t n = numberLength(compact);
  return n == 0 ? 0.0 : parseNumber(std::string_view(compact).substr(0, n));
}

bool isNumeric(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  const std::string_view core = text.substr(begin, end - begin);
  return !core.empty() && numberLength(core) == core.size();
}

}  // namespace veldrin
