#pragma once
// Copies the window's boxes into the design case and checks the three lists.
#include "input/designcase.h"
#include "input/formstate.h"

namespace veldrin {

// The messages of a list without a selection.
inline constexpr const char* kNoSteelGrade = "请输入钢材型号!";
inline constexpr const char* kNoDeflectionLimit = "请输入挠度限值!";
inline constexpr const char* kNoSagRods = "请输入拉条数量!";
// No code button on (a file whose code item is empty): the run cannot choose one.
inline constexpr const char* kNoDesignCode = "请选择设计规范!";

// μb, the out-of-plane effective-length factor, by the number of sag rods
// (1.0, 0.5, 0.33); other counts have none and leave the field as it was.
void setEffectiveLengthFactor(DesignCase& dc, int sagRods);

// The eighteen boxes into the input fields (leading-number rule). A number
// that does not fit its field (1E50 in a float field, or beyond a double)
// throws RunRefused naming the field: it is never turned into inf.
void readFields(const FormState& form, DesignCase& dc);

// The three lists: steel grade (its strengths by the design code in dc.code),
// deflection limit, sag rods. A list without a
// selection sets errstr (the last failing list wins) and leaves its fields.
void readLists(const FormState& form, DesignCase& dc);

// readFields then readLists.
void digitalinput(const FormState& form, DesignCase& dc);

}  // namespace veldrin
