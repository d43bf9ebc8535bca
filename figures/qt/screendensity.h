#pragma once
// The density of the screen a picture box is shown on.
#include "figures/qt/twipcanvas.h"

class QWidget;

namespace veldrin {

PictureDensity densityOf(const QWidget& widget);

}  // namespace veldrin
