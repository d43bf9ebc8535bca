#pragma once
// Copies the window's boxes into the design case and checks the three lists.
#include "input/designcase.h"
#include "input/formstate.h"

namespace veldrin {

// The eighteen boxes into the input fields (leading-number rule). A number
// that does not fit its field (1E50 in a float field, or beyond a double)
// throws RunRefused naming the field: it is never turned into inf.
void readFields(const FormState& form, DesignCase& dc);

// The three lists: steel grade, deflection limit, sag rods. A list without a
// selection sets errstr (the last failing list wins) and leaves its fields.
void readLists(const FormState& form, DesignCase& dc);

// readFields then readLists.
void digitalinput(const FormState& form, DesignCase& dc);

}  // namespace veldrin
