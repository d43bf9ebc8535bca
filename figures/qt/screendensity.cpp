#include "figures/qt/screendensity.h"

#include <QWidget>

namespace veldrin {

PictureDensity densityOf(const QWidget& widget) {
  return {static_cast<double>(widget.logicalDpiX()), static_cast<double>(widget.logicalDpiY()),
          widget.devicePixelRatioF()};
}

}  // namespace veldrin
