#pragma once
// Numbers in the report are written by the default text of their stored type:
// a double with at most 15 significant digits, a float with at most 7,
// integers plain; an exponent only below 1E-4 or at 10^precision and above.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "basetypes/single.h"

namespace veldrin {

// Thrown when a value that is not finite would be written: no inf or NaN
// ever reaches a report.
class NonFiniteValue : public std::runtime_error {
 public:
  NonFiniteValue() : std::runtime_error("non-finite value") {}
};

std::string numText(double v);
std::string numText(Single v);
std::string numText(int v);
std::string numText(long v);
std::string numText(long long v);
std::string numText(short v);

// The number written into the ".in" file: the default text without the zero
// before the point (.75, -.5).
std::string fileNumText(double v);
std::string fileNumText(Single v);

// "Floor to a step": Int(x·10^n)/10^n on the decimal value. y = x·10^n is
// rounded to 15 significant digits before the floor, so binary representation
// error never moves a value down a step (0.29 stays 0.29).
double truncateTo(double x, int decimals);

// An angle in radians as the report shows it in degrees: floored to 0.01,
// with π taken as 3.14159265.
double degreesShown(double radians);

// A load combination's number as the report names it: 一 … 七 for 1 … 7.
const char* chineseNumeral(int n);

// Rounds a double to 15 significant digits (the decimal a double prints as).
double roundTo15(double x);

}  // namespace veldrin
