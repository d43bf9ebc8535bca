// The quick-result panel "快速显示结果": the progress text and the verdict of
// the last completed run, and only while the window still holds the case
// that run computed. Any change of an input, an opened file, an adopted
// section or a run that stops returns it to neutral.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "input/qt/frmmain.h"
#include "report/summary.h"

namespace veldrin {

namespace {

const char* const kInputChanged = "输入已修改,请重新计算";
const char* const kRunStopped = "计算未完成";

// Calm tints that leave the black text easy to read.
const QColor kFailingTint(0xF2, 0xD4, 0xD0);
const QColor kPassingTint(0xD5, 0xEB, 0xD3);

}  // namespace

// A control joins by standing in this window: every box, list, option and
// tick box found here is watched, so one added later needs no entry of its
// own. Dialogs the window opens later are windows of their own and are not.
void FrmMain::watchInputs() {
  const auto changed = [this] { showInputChanged(); };
  const auto inThisWindow = [this](const QWidget* w) { return w->window() == this; };
  for (QLineEdit* box : findChildren<QLineEdit*>()) {
    if (inThisWindow(box)) connect(box, &QLineEdit::textChanged, this, changed);
  }
  for (QComboBox* list : findChildren<QComboBox*>()) {
    if (inThisWindow(list)) connect(list, &QComboBox::currentIndexChanged, this, changed);
  }
  for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
    if (!inThisWindow(button) || !button->isCheckable()) continue;
    // a tick box also changes between ticked and greyed, which is no toggle
    if (auto* tick = qobject_cast<QCheckBox*>(button)) connect(tick, &QCheckBox::stateChanged, this, changed);
    else connect(button, &QAbstractButton::toggled, this, changed);
  }
}

void FrmMain::showInputChanged() { showNeutral(kInputChanged); }

void FrmMain::showNeutral(const char* verdict) {
  labout_->clear();
  labverdict_->setText(QString::fromUtf8(verdict));
  quickResult_->setAutoFillBackground(false);
  quickResult_->setPalette(QPalette());  // every colour inherited again
}

// The one core run. The panel is neutral while it runs, so a run that stops
// (a refusal, the user's Cancel, a failure) leaves "计算未完成"; a completed
// run shows its progress text and its verdict.
std::optional<RunOutcome> FrmMain::calculate() {
  showNeutral(kRunStopped);
  RunOutcome outcome = cmdshow_Click(formState(), dc_, WindowToolkit::current());
  if (!outcome.completed) return std::nullopt;
  labout_->setText(QString::fromStdString(dc_.labout));
  showVerdict(outcome.checks);
  return outcome;
}

// The same run as 显示(C), its verdict in the panel only.
void FrmMain::cmdquickshowClick() { calculate(); }

// The words say the verdict; the tint only repeats it.
void FrmMain::showVerdict(const CheckResults& checks) {
  QStringList lines;
  for (const std::string& line : quickResultLines(checks)) lines << QString::fromStdString(line);
  labverdict_->setText(lines.join('\n'));
  QPalette tinted = quickResult_->palette();
  tinted.setColor(QPalette::Window, failingChecks(checks) == 0 ? kPassingTint : kFailingTint);
  quickResult_->setPalette(tinted);
  quickResult_->setAutoFillBackground(true);
}

}  // namespace veldrin
