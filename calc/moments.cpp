// PENDING: placeholder until this unit is built; it writes nothing.
#include "calc/moments.h"

namespace veldrin {

void neili(DesignCase&, Platform&, Single, Single, Single, Single, std::int16_t) {}

}  // namespace veldrin
