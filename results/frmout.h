#pragma once
// The result window: four report documents, save, print, open.
#include <QImage>
#include <QString>
#include <QWidget>

namespace veldrin {

// The main window, as the result window sees it.
class ResultHost {
 public:
  virtual ~ResultHost() = default;
  virtual QString projectName() const = 0;  // the whole text of Text1
  virtual QImage sectionFigure() = 0;       // the figure dialog's current picture (loads it hidden)
  virtual void showMainWindow() = 0;
};

class FrmOut : public QWidget {
  Q_OBJECT
 public:
  static FrmOut* load(ResultHost& host);  // loads the window if it is not loaded
  static FrmOut* loadedInstance();        // nullptr when not loaded

  // The calculate command's hand-over: replaces the plain text of box 1 and
  // shows the window modeless; doccount, the displayed box and the title stay.
  void showReport(const QString& report);

 protected:
  explicit FrmOut(ResultHost& host);
  ~FrmOut() override;
  ResultHost& host_;
};

}  // namespace veldrin
