#include "figures/qt/sectionpicture.h"

#include "figures/figureplan.h"

namespace veldrin {

TwipCanvas figureCanvas() { return TwipCanvas(QSizeF(kFigureWidth, kFigureHeight), 9); }

QImage sectionPicture(const SectionDims& section, double pixelRatio) {
  TwipCanvas canvas = figureCanvas();
  canvas.render(dialogPlan(section, lineModelProperties(section)), {96, 96, pixelRatio});
  return canvas.image();
}

}  // namespace veldrin
