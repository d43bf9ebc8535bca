// PENDING: placeholder until this unit is built; it writes nothing.
#include "report/governing.h"

namespace veldrin {

void strengthSection(DesignCase&, Platform&, const LoadCombinations&) {}

}  // namespace veldrin
