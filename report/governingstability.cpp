// PENDING: placeholder until this unit is built; it writes nothing.
#include "report/governing.h"

namespace veldrin {

void stabilitySection(DesignCase&, const LoadCombinations&) {}

}  // namespace veldrin
