// PENDING: placeholder until this unit is built; it writes nothing.
#include "calc/loadcombinations.h"

namespace veldrin {

LoadCombinations loadCombinations(DesignCase&, double) { return {}; }

}  // namespace veldrin
