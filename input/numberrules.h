#pragma once
// How a field's text becomes a number.
#include <string_view>

namespace veldrin {

// The leading-number rule: blanks, tabs and line feeds are removed wherever
// they stand; then the longest leading number (sign, digits with at most one
// ".", exponent E or D with optional sign) is read. No number gives 0.
// A number too large for a double comes back as +-inf.
double leadingNumber(std::string_view text);

// The numeric test of the Enter check: the whole text, blanks around it
// allowed, is one number. An empty text is not numeric.
bool isNumeric(std::string_view text);

}  // namespace veldrin
