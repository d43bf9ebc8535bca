// PENDING: placeholder widgets until the figures are built.
#include <QPainter>

#include "figures/qt/frmpicshow.h"
#include "figures/qt/sectionlegend.h"

namespace veldrin {

namespace {
FrmPicShow* theDialog = nullptr;
}

SectionLegend::SectionLegend(QWidget* parent) : QWidget(parent) { setObjectName("Picture1"); }
void SectionLegend::draw(const std::array<QString, 4>&, DesignCase&) {}
const QImage& SectionLegend::image() const { return image_; }
void SectionLegend::paintEvent(QPaintEvent*) {}
void SectionLegend::mousePressEvent(QMouseEvent*) { emit clicked(); }

FrmPicShow::FrmPicShow(SectionTextSource& source) : source_(source) {}
FrmPicShow::~FrmPicShow() { theDialog = nullptr; }
FrmPicShow* FrmPicShow::load(SectionTextSource& source) {
  if (!theDialog) theDialog = new FrmPicShow(source);
  return theDialog;
}
FrmPicShow* FrmPicShow::loadedInstance() { return theDialog; }
void FrmPicShow::setSectionTexts(const std::array<QString, 4>&) {}
void FrmPicShow::pressCommand1() {}
QImage FrmPicShow::picture() const { return {}; }

}  // namespace veldrin
