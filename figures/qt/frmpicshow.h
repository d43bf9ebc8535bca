#pragma once
// The section figure dialog: the scaled section, the properties the report
// computes for it (each with its unit), and the picture the result window
// puts at the head of its reports.
#include <QImage>
#include <QWidget>
#include <array>

#include "figures/sectiongeometry.h"
#include "input/designcase.h"

class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace veldrin {

class FigurePicture;

// The main window, as the dialog sees it.
class SectionTextSource {
 public:
  virtual ~SectionTextSource() = default;
  virtual std::array<QString, 4> sectionTexts() const = 0;  // h, b, a, t as typed
  virtual DesignCode designCode() const = 0;                // the code whose properties are listed
  virtual void showMainWindow() = 0;
};

class FrmPicShow : public QWidget {
  Q_OBJECT
 public:
  // The loaded dialog; loads it hidden first if needed (loading presses Command1).
  static FrmPicShow* load(SectionTextSource& source);
  static FrmPicShow* loadedInstance();  // nullptr when not loaded

  void setSectionTexts(const std::array<QString, 4>& texts);  // into Text1..Text4
  void pressCommand1();
  QImage picture() const;
  // The section of the last drawing, drawn for paper (kPaperPixelRatio).
  QImage paperPicture() const;

 protected:
  explicit FrmPicShow(SectionTextSource& source);
  ~FrmPicShow() override;
  void closeEvent(QCloseEvent* event) override;
  SectionTextSource& source_;

 private:
  void buildControls();
  QWidget* buildFrame();
  QLayout* buildFields();
  QLayout* buildButtons();
  void command1Click();
  void unload();

  FigurePicture* picture1_ = nullptr;
  QLabel* label5_ = nullptr;
  QPushButton* command1_ = nullptr;
  std::array<QLineEdit*, 4> texts_{};
  SectionDims drawn_{};  // the section of the last drawing
  bool unloading_ = false;
};

}  // namespace veldrin
