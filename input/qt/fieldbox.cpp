#include "input/qt/fieldbox.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "input/validation.h"

namespace veldrin {

namespace {

// Focus that comes or goes with the whole window (another program, a
// message box) is not a move between the window's controls.
bool movesWithinWindow(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool isEnter(const QKeyEvent& event) {
  const bool enterKey = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  return enterKey && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

FieldBox::FieldBox(int number, QWidget* parent) : QLineEdit(parent), number_(number) {
  setObjectName(controlName(number));
}

QString FieldBox::controlName(int n) {
  const bool lowerCase = n >= 5 && n <= 13;
  return (lowerCase ? QStringLiteral("text") : QStringLiteral("Text")) + QString::number(n);
}

void FieldBox::selectAsFocused() {
  const int length = focusSelectionLength(number_, static_cast<int>(text().size()));
  if (length > 0) {
    setSelection(0, length);
  } else {
    setCursorPosition(0);
  }
}

void FieldBox::selectWhole() {
  if (text().isEmpty()) {
    setCursorPosition(0);
  } else {
    setSelection(0, static_cast<int>(text().size()));
  }
}

// Enter is consumed here: no character, no beep, no button of the window.
void FieldBox::keyPressEvent(QKeyEvent* event) {
  if (!isEnter(*event)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();
  emit enterPressed(this);
}

void FieldBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (movesWithinWindow(event->reason())) selectAsFocused();
}

void FieldBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (number_ == 4 && movesWithinWindow(event->reason())) setCursorPosition(0);
}

}  // namespace veldrin
