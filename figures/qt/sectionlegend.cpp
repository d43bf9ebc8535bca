#include "figures/qt/sectionlegend.h"

#include <QPainter>

#include "figures/figureplan.h"
#include "figures/qt/screendensity.h"
#include "input/numberrules.h"
#include "toolkit/qt/windowtoolkit.h"

namespace veldrin {

namespace {

constexpr double kInitialFontPoints = 10.5;  // the picture's font before its first drawing

}  // namespace

SectionLegend::SectionLegend(QWidget* parent)
    : QWidget(parent), canvas_(QSizeF(kLegendWidth, kLegendHeight), kInitialFontPoints) {
  setObjectName("Picture1");
  setFixedSize(canvas_.logicalSize(densityOf(*this)));
}

void SectionLegend::draw(const std::array<QString, 4>& sectionTexts, DesignCase& dc) {
  dc.h = leadingNumber(sectionTexts[0].toStdString());
  dc.b = leadingNumber(sectionTexts[1].toStdString());
  dc.a = leadingNumber(sectionTexts[2].toStdString());
  dc.t = leadingNumber(sectionTexts[3].toStdString());
  canvas_.render(legendPlan({dc.h, dc.b, dc.a, dc.t}, dc.z0, dc.d), densityOf(*this));
  update();
  WindowToolkit::current().setClipboardImage(canvas_.image());
}

const QImage& SectionLegend::image() const { return canvas_.image(); }

void SectionLegend::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  canvas_.paint(painter, size());
}

void SectionLegend::mousePressEvent(QMouseEvent*) { emit clicked(); }

}  // namespace veldrin
