// How the boxes behave while the user types: Enter checks a numeric box
// and moves along the chain to the calculate button; a change of h, b, a or
// t redraws the figure dialog, loaded hidden when it is not open.
#include <QPushButton>

#include "input/qt/fieldbox.h"
#include "input/qt/frmmain.h"
#include "input/validation.h"
#include "basetypes/runstop.h"
#include "toolkit/qt/guardedcommand.h"

namespace veldrin {

void FrmMain::connectFields() {
  for (FieldBox* box : fields_) {
    connect(box, &FieldBox::enterPressed, this, [this](FieldBox* b) { runGuarded([this, b] { fieldEnter(b); }); });
  }
  for (int n = 4; n <= 7; ++n) {
    connect(field(n), &QLineEdit::textChanged, this, guarded([this] { sectionTextChanged(); }));
  }
}

// A rejected box keeps the focus with its text selected for retyping.
void FrmMain::fieldEnter(FieldBox* box) {
  const int n = box->number();
  if (!hasEnterCheck(n)) return;
  const EnterCheck check = checkOnEnter(n, box->text().toStdString());
  if (!check.accepted) {
    WindowToolkit::current().messageBox(check.message, kInputCheckTitle, MessageIcon::None);
    box->setFocus();
    box->selectWhole();
    return;
  }
  if (pressesLegendOnEnter(n)) cmdtu_->click();
  const int next = nextOnEnter(n);
  if (next == kCalculateButton) {
    cmdshow_->setFocus();
    return;
  }
  field(next)->setFocus();
  field(next)->selectWhole();
}

void FrmMain::sectionTextChanged() { FrmPicShow::load(*this)->pressCommand1(); }

}  // namespace veldrin
