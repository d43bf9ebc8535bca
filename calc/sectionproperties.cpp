// PENDING: placeholder until this unit is built; it writes nothing.
#include "calc/sectionproperties.h"

namespace veldrin {

double imtx0(double, double, double, double) { return 0; }
double imty0(double, double, double, double) { return 0; }
double imtxy0(double, double, double, double) { return 0; }
void jiemiantx_code1(DesignCase& dc, Single, Single, Single, Single, Single, Single, Single, Single, Single, Single) { dc.area = dc.ix = dc.iy = 1; }
void jiemiantx_code2(DesignCase& dc, Single, Single, Single, Single, Single, Single, Single) { dc.area = dc.ix = dc.iy = 1; }

}  // namespace veldrin
