// PENDING: placeholder until this unit is built; it writes nothing.
#include "calc/stresscheck.h"

namespace veldrin {

void neilicheck_code1(DesignCase&, double, double) {}

}  // namespace veldrin
