#include "basetypes/checkresult.h"

#include <cmath>

#include "basetypes/numbertext.h"

namespace veldrin {

double utilisationUp(double ratio) {
  if (!std::isfinite(ratio)) return ratio;
  // Round the scaled value to 15 digits first: 1.0000000000000002 is 1.000, not 1.001.
  return std::ceil(roundTo15(ratio * 1000)) / 1000;
}

}  // namespace veldrin
