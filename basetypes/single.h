#pragma once
// A 4-byte field of the design case. A value assigned to it is rounded to
// single precision and from then on stands for the decimal number it prints
// as (7 significant digits): 0.84 is 0.84 in arithmetic, never 0.8399999737.
#include <cfloat>
#include <cmath>

namespace veldrin {

double decimalOfFloat(float f);

class Single {
 public:
  Single() = default;
  Single(double x) { assign(x); }  // NOLINT: fields take doubles as a float would
  Single& operator=(double x) {
    assign(x);
    return *this;
  }
  operator double() const { return value_; }  // NOLINT: enters arithmetic as its decimal
  float raw() const { return raw_; }

 private:
  void assign(double x) {
    if (std::isfinite(x) && std::fabs(x) > FLT_MAX) {
      raw_ = x > 0 ? HUGE_VALF : -HUGE_VALF;  // does not fit a float
    } else {
      raw_ = static_cast<float>(x);
    }
    value_ = decimalOfFloat(raw_);
  }
  float raw_ = 0.0f;
  double value_ = 0.0;
};

}  // namespace veldrin
