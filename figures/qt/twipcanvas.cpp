#include "figures/qt/twipcanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace veldrin {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;
const QColor kOutlineGreen(0, 128, 0);  // colour 2 of the classic 16-colour palette

int sixteenthsOfDegree(double radians) { return static_cast<int>(std::lround(radians * 180 / std::numbers::pi * 16)); }

// Carries out the steps on a painter whose user unit is the twip.
class StepPainter {
 public:
  StepPainter(QPainter& painter, double& fontPoints, double twipsPerPixel, bool crispText)
      : painter_(painter), fontPoints_(fontPoints), lineWidth_(twipsPerPixel), crispText_(crispText) {
    painter_.setBrush(Qt::NoBrush);
  }

  void operator()(const LineStep& s) {
    usePen(s.ink == Ink::Outline ? kOutlineGreen : QColor(Qt::black));
    painter_.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
  }
  void operator()(const ArcStep& s) {
    usePen(kOutlineGreen);
    const QRectF box(s.cx - s.radius, s.cy - s.radius, 2 * s.radius, 2 * s.radius);
    painter_.drawArc(box, sixteenthsOfDegree(s.from), sixteenthsOfDegree(s.to - s.from));
  }
  void operator()(const DotStep& s) {
    usePen(Qt::black);
    for (double r = 5; r <= 25; r += 5) painter_.drawEllipse(QPointF(s.cx, s.cy), r, r);
  }
  void operator()(const TextStep& s) {
    QFont font;
    // Half-width Latin glyphs: the subscript offsets assume a blank and a
    // digit of half an em.
    font.setFamilies({"SimSun", "AR PL UMing CN", "Serif"});
    if (crispText_) font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(static_cast<int>(std::lround(fontPoints_ * kTwipsPerPoint)));  // a pixel here is a twip
    painter_.setFont(font);
    usePen(Qt::black);
    const double ascent = QFontMetricsF(font).ascent();
    painter_.drawText(QPointF(s.x, s.y + ascent), QString::fromStdString(s.text));  // top-left at (x, y)
  }
  void operator()(const FontStep& s) { fontPoints_ = s.points; }

 private:
  void usePen(const QColor& colour) { painter_.setPen(QPen(colour, lineWidth_, Qt::SolidLine, Qt::FlatCap)); }

  QPainter& painter_;
  double& fontPoints_;
  double lineWidth_;  // one logical pixel, in twips
  bool crispText_;    // thin glyphs smoothed on a coarse screen turn grey
};

}  // namespace

TwipCanvas::TwipCanvas(QSizeF twips, double initialFontPoints) : twips_(twips), fontPoints_(initialFontPoints) {}

QSize TwipCanvas::logicalSize(const PictureDensity& density) const {
  return {static_cast<int>(std::lround(twips_.width() * density.dpiX / kTwipsPerInch)),
          static_cast<int>(std::lround(twips_.height() * density.dpiY / kTwipsPerInch))};
}

void TwipCanvas::render(const FigurePlan& plan, const PictureDensity& density) {
  const QSize logical = logicalSize(density);
  image_ = QImage(QSize(static_cast<int>(std::ceil(logical.width() * density.pixelRatio)),
                        static_cast<int>(std::ceil(logical.height() * density.pixelRatio))),
                  QImage::Format_RGB32);
  image_.setDevicePixelRatio(density.pixelRatio);
  image_.fill(Qt::white);
  QPainter painter(&image_);
  painter.scale(density.dpiX / kTwipsPerInch, density.dpiY / kTwipsPerInch);
  const bool coarse = density.dpiY * density.pixelRatio < 144;
  StepPainter steps(painter, fontPoints_, kTwipsPerInch / density.dpiX, coarse);
  for (const FigureStep& step : plan.steps()) std::visit(steps, step);
}

void TwipCanvas::paint(QPainter& painter, const QSize& logical) const {
  painter.fillRect(QRect(QPoint(0, 0), logical), Qt::white);
  if (!image_.isNull()) painter.drawImage(QPointF(0, 0), image_);
}

}  // namespace veldrin
