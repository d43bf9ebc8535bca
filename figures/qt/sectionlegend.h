#pragma once
// The legend: the scaled drawing of the section that the main window shows
// as Picture1, drawn by cmdtu.
#include <QImage>
#include <QWidget>
#include <array>

#include "figures/qt/twipcanvas.h"
#include "input/designcase.h"

namespace veldrin {

class SectionLegend : public QWidget {
  Q_OBJECT
 public:
  explicit SectionLegend(QWidget* parent = nullptr);  // objectName "Picture1"

  // The click action of cmdtu: reads h, b, a, t from the four texts into the
  // design case, draws with its z0 and d as the last run left them, and puts
  // the finished image on the clipboard.
  void draw(const std::array<QString, 4>& sectionTexts, DesignCase& dc);
  const QImage& image() const;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TwipCanvas canvas_;  // 3615 x 2655 twips
};

}  // namespace veldrin
