#pragma once
// A main window on the offscreen platform with scripted dialogs, driven
// through the control names as a user would drive the controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "input/qt/frmmain.h"
#include "support/faketoolkit.h"

namespace veldrin {

class FrmMainTest : public ::testing::Test {
 protected:
  veldrin::testing::FakeToolkit toolkit;  // installed before the window loads
  std::unique_ptr<FrmMain> window;
  int programEnds = 0;

  void SetUp() override { reopen(); }

  // A fresh main window, shown and active (the one before goes with its windows).
  void reopen() {
    window = std::make_unique<FrmMain>();
    window->setProgramEnd([this] { ++programEnds; });
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  template <typename Widget>
  Widget* control(const char* name) const {
    auto* w = window->findChild<Widget*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
  QComboBox* list(const char* name) const { return control<QComboBox>(name); }
  QPushButton* button(const char* name) const { return control<QPushButton>(name); }
  QString labout() const { return control<QLabel>("Labout")->text(); }
  QString verdict() const { return control<QLabel>("Labverdict")->text(); }

  void selectLists(int steel, int deflection, int rods) const {
    list("Combo1")->setCurrentIndex(steel);
    list("Combo2")->setCurrentIndex(deflection);
    list("Combo3")->setCurrentIndex(rods);
  }

  // Types a text into a box and presses Enter there.
  void enter(const char* name, const QString& text) const {
    QLineEdit* b = box(name);
    b->setFocus(Qt::TabFocusReason);
    b->setText(text);
    QTest::keyClick(b, Qt::Key_Return);
  }

  static QWidget* focused() { return QApplication::focusWidget(); }
};

}  // namespace veldrin
