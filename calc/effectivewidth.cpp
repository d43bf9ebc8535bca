// PENDING: placeholder until this unit is built; it writes nothing.
#include "calc/effectivewidth.h"

namespace veldrin {

void youxiaokuandu_code1(DesignCase&, double, double, Single, std::int16_t) {}

}  // namespace veldrin
