#pragma once
// The window's default texts with the first entry of each list chosen
// (Q235, 1/150, no sag rods) and CECS102:98: the case most tests start from.
#include <string>

#include "input/formstate.h"

namespace veldrin::testing {

inline FormState defaultRunForm(const std::string& dateTime) {
  FormState form = startupForm(dateTime);
  form.combo1 = 0;
  form.combo2 = 0;
  form.combo3 = 0;
  return form;
}

}  // namespace veldrin::testing
