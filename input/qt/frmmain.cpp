#include "input/qt/frmmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "figures/qt/sectionlegend.h"
#include "input/qt/fieldbox.h"
#include "report/reportbook.h"
#include "report/run.h"
#include "toolkit/qt/guardedcommand.h"

namespace veldrin {

namespace {

QString toQ(const std::string& s) { return QString::fromStdString(s); }

// The sheeting box reads 0 clear, 1 ticked, 2 greyed.
int checkValue(Qt::CheckState state) {
  if (state == Qt::Checked) return 1;
  return state == Qt::PartiallyChecked ? 2 : 0;
}

Qt::CheckState checkStateOf(int value) {
  if (value == 1) return Qt::Checked;
  return value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

const char* const kSaveCaseQuestion = "是否保存对设计数据的修改?";
const char* const kQuestionTitle = "Veldrin";

}  // namespace

FrmMain::FrmMain(QWidget* parent) : QWidget(parent), programEnd_([] { QCoreApplication::exit(0); }) {
  buildControls();
  buildLayout();
  setTabOrder();
  connectCommands();
  connectFields();
  field(1)->setFocus();
  field(1)->selectAsFocused();  // the focus arrives with the window, not from another control
  formLoad();
  rodBoxFollows();
  savedForm_ = formState();  // nothing to save before the first change
  watchInputs();
}

// The result window and the figure dialog refer back to this window: they
// go with it.
FrmMain::~FrmMain() {
  delete static_cast<QWidget*>(FrmOut::loadedInstance());
  delete static_cast<QWidget*>(FrmPicShow::loadedInstance());
}

void FrmMain::connectCommands() {
  // No exception leaves a command: it would end the program and lose the input.
  connect(cmdshow_, &QPushButton::clicked, this, guarded([this] { cmdshowClick(); }));
  connect(cmdsave_, &QPushButton::clicked, this, guarded([this] { cmdsaveClick(); }));
  connect(cmdopen_, &QPushButton::clicked, this, guarded([this] { cmdopenClick(); }));
  connect(cmdhelp_, &QPushButton::clicked, this, [this] { cmdhelpClick(); });
  connect(cmdexit_, &QPushButton::clicked, this, [this] { endProgram(); });
  connect(cmdquickshow_, &QPushButton::clicked, this, guarded([this] { cmdquickshowClick(); }));
  connect(cmdtu_, &QPushButton::clicked, this, guarded([this] { cmdtuClick(); }));
  connect(picture1_, &SectionLegend::clicked, this, guarded([this] { picture1Click(); }));
  connect(optcode3_, &QRadioButton::toggled, this, [this] { rodBoxFollows(); });
  connect(combos_[2], &QComboBox::currentIndexChanged, this, [this] { rodBoxFollows(); });
  connect(cmdselect_, &QPushButton::clicked, this, guarded([this] { cmdselectClick(); }));
  for (QRadioButton* code : {optcode1_, optcode2_, optcode3_}) {
    connect(code, &QRadioButton::toggled, this, [this] { codeChanged(); });
    connect(code, &QRadioButton::toggled, this, guarded([this] { relistSection(); }));
  }
  codeChanged();
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { endProgram(); });
}

void FrmMain::formLoad() {
  field(3)->setText(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss"));
  cmdtu_->click();
}

FormState FrmMain::formState() const {
  FormState form;
  for (int n = 1; n <= kFieldCount; ++n) form.field(n) = field(n)->text().toStdString();
  form.combo1 = combos_[0]->currentIndex();
  form.combo2 = combos_[1]->currentIndex();
  form.combo3 = combos_[2]->currentIndex();
  form.optcode1 = optcode1_->isChecked();
  form.optcode2 = optcode2_->isChecked();
  form.optcode3 = optcode3_->isChecked();
  form.check2 = check2_->isChecked();
  form.check1 = checkValue(check1_->checkState());
  return form;
}

void FrmMain::showFormState(const FormState& form) {
  for (int n = 1; n <= kFieldCount; ++n) field(n)->setText(toQ(form.field(n)));
  combos_[0]->setCurrentIndex(form.combo1);
  combos_[1]->setCurrentIndex(form.combo2);
  combos_[2]->setCurrentIndex(form.combo3);
  showCode(form);
  check2_->setChecked(form.check2);
  check1_->setCheckState(checkStateOf(form.check1));
  rodBoxFollows();
}

// Exclusive buttons cannot all be off; a file that chose no code needs them so.
void FrmMain::showCode(const FormState& form) {
  const std::array<std::pair<QRadioButton*, bool>, 3> codes = {
      {{optcode1_, form.optcode1}, {optcode2_, form.optcode2}, {optcode3_, form.optcode3}}};
  for (const auto& [button, on] : codes) button->setAutoExclusive(false);
  for (const auto& [button, on] : codes) button->setChecked(on);
  for (const auto& [button, on] : codes) button->setAutoExclusive(true);
}

// With no sag rods nothing restrains the lower flange: the box is cleared
// and stays disabled until the list names rods (and the code is the third).
void FrmMain::rodBoxFollows() {
  const bool rods = combos_[2]->currentIndex() != 0;
  if (!rods) check2_->setChecked(false);
  check2_->setEnabled(optcode3_->isChecked() && rods);
}

// The run's report goes to the result window; the panel has its verdict.
void FrmMain::cmdshowClick() {
  const std::optional<RunOutcome> outcome = calculate();
  if (!outcome) return;
  const QString date = runDate_.isEmpty() ? QDate::currentDate().toString("yyyy-MM-dd") : runDate_;
  FrmOut::load(*this)->showReport(reportBook(*outcome, dc_, date.toStdString()));
}

void FrmMain::cmdhelpClick() {
  WindowToolkit::current().messageBox("目前版本还只能计算屋面C形檁条，在后续版本中将增加墙屋面的各种檁条计算!", "帮助说明",
                                      MessageIcon::None);
}

void FrmMain::cmdtuClick() { picture1_->draw(sectionTexts(), dc_); }

// The dialog is shown first; then it gets the four texts exactly as typed.
void FrmMain::picture1Click() {
  FrmPicShow* dialog = FrmPicShow::load(*this);
  dialog->show();
  dialog->raise();
  dialog->setSectionTexts(sectionTexts());
}

void FrmMain::endProgram() {
  if (mayLeave()) closeEveryWindow();
}

// The frame's close button ends the program as 关闭 does.
void FrmMain::closeEvent(QCloseEvent* event) {
  if (!mayLeave()) {
    event->ignore();
    return;
  }
  event->accept();
  closeEveryWindow();
}

// 是 saves through 保存(S); a save that did not happen (a missing list, the
// dialog cancelled, a failed write) keeps the program open.
bool FrmMain::mayLeave() {
  if (caseChanged()) {
    const Answer answer = WindowToolkit::current().ask(kSaveCaseQuestion, kQuestionTitle);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) {
      runGuarded([this] { cmdsaveClick(); });
      if (caseChanged()) return false;
    }
  }
  FrmOut* results = FrmOut::loadedInstance();
  return results == nullptr || results->mayLeave();
}

void FrmMain::closeEveryWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  programEnd_();
}

QString FrmMain::projectName() const { return field(1)->text(); }

QImage FrmMain::sectionFigure() { return FrmPicShow::load(*this)->paperPicture(); }

DesignCode FrmMain::designCode() const {
  if (optcode2_->isChecked()) return DesignCode::Gbj18;
  return optcode3_->isChecked() ? DesignCode::Gb51022 : DesignCode::Cecs102;
}

// The figure dialog lists the section as the selected code's report does.
void FrmMain::relistSection() {
  if (FrmPicShow* dialog = FrmPicShow::loadedInstance()) dialog->pressCommand1();
}

void FrmMain::showMainWindow() {
  show();
  raise();
  activateWindow();
}

std::array<QString, 4> FrmMain::sectionTexts() const {
  return {field(4)->text(), field(5)->text(), field(6)->text(), field(7)->text()};
}

}  // namespace veldrin
