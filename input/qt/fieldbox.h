#pragma once
// One text box of the main window (Text1 … Text18): it hands Enter to the
// window instead of treating it as a key, selects its text when it gains
// the focus, and Text4 drops its selection when it loses the focus.
#include <QLineEdit>

namespace veldrin {

class FieldBox : public QLineEdit {
  Q_OBJECT
 public:
  FieldBox(int number, QWidget* parent = nullptr);  // objectName is the control name
  int number() const { return number_; }

  // The control name of box n: Text1 … Text4, text5 … text13, Text14 … Text18.
  static QString controlName(int n);

  void selectAsFocused();  // the focus selection of this box
  void selectWhole();      // selection start 0, length = text length

 signals:
  void enterPressed(FieldBox* box);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int number_;
};

}  // namespace veldrin
