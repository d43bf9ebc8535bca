// PENDING: placeholder until this unit is built; it writes nothing.
#include "calc/deflection.h"

namespace veldrin {

void slendernessAndDeflection(DesignCase&, double) {}

}  // namespace veldrin
