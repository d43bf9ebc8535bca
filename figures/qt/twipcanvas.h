#pragma once
// A picture box's persistent image (QtGui only: documents draw it without a
// window). Drawings are given in twips (1/1440
// inch) and land on device pixels through the screen's logical density, so
// a figure has the same size and proportions on every screen.
#include <QImage>
#include <QSize>
#include <QSizeF>

#include "figures/figureplan.h"

class QPainter;

namespace veldrin {

// How twips become pixels on the screen a picture is shown on.
struct PictureDensity {
  double dpiX = 96, dpiY = 96;  // logical dots per inch
  double pixelRatio = 1;        // device pixels per logical pixel
};

class TwipCanvas {
 public:
  // The picture's size in twips and the font size its first drawing's point
  // numbers are printed in.
  TwipCanvas(QSizeF twips, double initialFontPoints);

  // Logical pixels the picture takes on a screen of this density.
  QSize logicalSize(const PictureDensity& density) const;

  // Clears the picture and carries out the plan; the font size the plan
  // leaves stays for the next drawing.
  void render(const FigurePlan& plan, const PictureDensity& density);

  const QImage& image() const { return image_; }
  double fontPoints() const { return fontPoints_; }

  // The image on a white ground, for a widget's paint event.
  void paint(QPainter& painter, const QSize& logical) const;

 private:
  QSizeF twips_;
  double fontPoints_;
  QImage image_;
};

}  // namespace veldrin
