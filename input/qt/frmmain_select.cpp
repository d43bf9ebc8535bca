// The command "截面选型": the whole calculation of the window's case for every
// catalogue section, the dialog with the result, and the chosen section
// written into h, b, a and t.
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>

#include "catalogue/catalogue.h"
#include "catalogue/lightest.h"
#include "catalogue/qt/frmselect.h"
#include "input/qt/fieldbox.h"
#include "input/digitalinput.h"
#include "input/qt/frmmain.h"

namespace veldrin {

namespace {

const char* const kSelectTip = "对本工况逐个计算截面库中的截面(全部验算)，选出满足全部验算要求的最轻截面";

}  // namespace

// Offered under CECS102:98 and GB 51022-2015; the button says why when it is
// not (GBJ18-87, or no code chosen by an opened file).
void FrmMain::codeChanged() {
  const bool offered = optcode1_->isChecked() || optcode3_->isChecked();
  cmdselect_->setEnabled(offered);
  const char* why = optcode2_->isChecked() ? kSearchNotUnderGbj18 : kNoDesignCode;
  cmdselect_->setToolTip(QString::fromUtf8(offered ? kSelectTip : why));
}

// Runs guarded: a case that cannot be searched (a list unselected) shows
// its message box and opens no dialog.
void FrmMain::cmdselectClick() {
  Catalogue catalogue = builtinCatalogue();
  const std::size_t builtin = catalogue.sections.size();
  const QString userPath = userCataloguePath();
  addUserCatalogue(catalogue, userPath.toStdString());
  const std::size_t user = catalogue.sections.size() - builtin;
  LightestSearch search = searchLightest(formState(), catalogue.sections);
  auto* dialog = new FrmSelect(std::move(search), catalogue.problems,
                               [this](const CatalogueSection& s) { adoptSection(s); }, this);
  dialog->setCatalogueNote(catalogueNote(builtin, user, userPath, QFileInfo::exists(userPath)));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

// The four texts as a user would type them; the figure dialog follows each
// change, the legend is redrawn once for the new section.
void FrmMain::adoptSection(const CatalogueSection& section) {
  const double dims[] = {section.h, section.b, section.a, section.t};
  for (int i = 0; i < 4; ++i) field(4 + i)->setText(QString::fromStdString(numText(dims[i])));
  cmdtu_->click();
  showInputChanged();  // even when the section was the one already typed
}

}  // namespace veldrin
