#include "input/qt/frmmain.h"

#include <QApplication>
#include <QCheckBox>
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
#include "report/summary.h"
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

// Calm tints that leave the black text easy to read.
const QColor kFailingTint(0xF2, 0xD4, 0xD0);
const QColor kPassingTint(0xD5, 0xEB, 0xD3);

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
  connect(cmdtu_, &QPushButton::clicked, this, guarded([this] { cmdtuClick(); }));
  connect(picture1_, &SectionLegend::clicked, this, guarded([this] { picture1Click(); }));
  connect(optcode3_, &QRadioButton::toggled, check2_, &QCheckBox::setEnabled);
  connect(cmdselect_, &QPushButton::clicked, this, guarded([this] { cmdselectClick(); }));
  for (QRadioButton* code : {optcode1_, optcode2_, optcode3_}) {
    connect(code, &QRadioButton::toggled, this, [this] { codeChanged(); });
    connect(code, &QRadioButton::toggled, this, guarded([this] { relistSection(); }));
  }
  codeChanged();
  // cmdquickshow has no action.
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
  if (form.optcode1) optcode1_->setChecked(true);
  if (form.optcode2) optcode2_->setChecked(true);
  if (form.optcode3) optcode3_->setChecked(true);
  check2_->setChecked(form.check2);
  check1_->setCheckState(checkStateOf(form.check1));
}

// The one core run; the window shows its progress text and hands the
// finished report over.
void FrmMain::cmdshowClick() {
  const RunOutcome outcome = cmdshow_Click(formState(), dc_, WindowToolkit::current());
  labout_->setText(toQ(dc_.labout));
  if (!outcome.completed) return;  // a stopped run leaves the panel as the last run left it
  showVerdict(outcome.checks);
  const QString date = runDate_.isEmpty() ? QDate::currentDate().toString("yyyy-MM-dd") : runDate_;
  FrmOut::load(*this)->showReport(reportBook(outcome, dc_, date.toStdString()));
}

// The words say the verdict; the tint only repeats it.
void FrmMain::showVerdict(const CheckResults& checks) {
  QStringList lines;
  for (const std::string& line : quickResultLines(checks)) lines << toQ(line);
  labverdict_->setText(lines.join('\n'));
  QPalette tinted = quickResult_->palette();
  tinted.setColor(QPalette::Window, failingChecks(checks) == 0 ? kPassingTint : kFailingTint);
  quickResult_->setPalette(tinted);
  quickResult_->setAutoFillBackground(true);
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

// Every window goes, without a prompt and without saving anything.
void FrmMain::endProgram() {
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
