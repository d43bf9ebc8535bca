// PENDING: placeholder until this unit is built; it writes nothing.
#include "calc/stability.h"

namespace veldrin {

void stability_code2(DesignCase&, Single, Single, Single, std::int16_t) {}

}  // namespace veldrin
