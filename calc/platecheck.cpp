// PENDING: placeholder until this unit is built; it writes nothing.
#include "calc/platecheck.h"

namespace veldrin {

void neilicheck_code2(DesignCase&, Platform&, double, double) {}

}  // namespace veldrin
