#include "figures/qt/sectionpicture.h"

#include "figures/figureplan.h"
#include "report/sectionlisting.h"

namespace veldrin {

TwipCanvas figureCanvas() { return TwipCanvas(QSizeF(kFigureWidth, kFigureHeight), 9); }

// The centroid and shear centre do not depend on the code: any code's section will do.
QImage sectionPicture(const SectionDims& section, double pixelRatio) {
  const ReportedSection reported = reportedSection(section, DesignCode::Cecs102);
  TwipCanvas canvas = figureCanvas();
  canvas.render(dialogPlan(section, reported.z0, reported.d), {96, 96, pixelRatio});
  return canvas.image();
}

}  // namespace veldrin
