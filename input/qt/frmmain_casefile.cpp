// Open and Save of the ".in" design-case file. Both share one file dialog
// whose filter, last name and default extension carry over from one command
// to the next. The format itself is the codec's; here the window picks the
// file, and a file that cannot be written or read says so and changes nothing.
#include <QDir>
#include <QFileInfo>

#include "basetypes/runstop.h"
#include "casefile/casefile.h"
#include "input/qt/fieldbox.h"
#include "input/qt/frmmain.h"
#include "toolkit/qt/savetarget.h"
#include "toolkit/userfiles.h"

namespace veldrin {

namespace {

const char* const kCaseFileFilter = "in格式文档|*.in";
const char* const kSaveTitle = "保存";
const char* const kOpenTitle = "打开";

std::string shownPath(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

void tell(const std::string& text, const char* title) {
  WindowToolkit::current().messageBox(text, title, MessageIcon::Exclamation);
}

}  // namespace

// Stops before the dialog when a number does not fit its field, when a list
// has no selection (a box with no title of its own) or when a text could not
// be read back from the file. What was typed stays in the window.
void FrmMain::cmdsaveClick() {
  const FormState form = formState();
  try {
    dc_.errstr = prepareSave(form, dc_);
  } catch (const RunRefused& refused) {
    WindowToolkit::current().messageBox(refused.text(), refused.title(), MessageIcon::Exclamation);
    return;
  }
  if (!dc_.errstr.empty()) {
    WindowToolkit::current().messageBox(dc_.errstr, "", MessageIcon::None);
    dc_.errstr.clear();
    return;
  }
  std::string bytes;
  try {
    bytes = encodeCaseFile(form, dc_);
  } catch (const CaseFileError& refused) {
    tell(std::string("设计文件未保存：") + refused.what(), kSaveTitle);
    return;
  }
  commonDialog1_.filter = kCaseFileFilter;
  commonDialog1_.fileName = QString::fromStdString(proposedFileName(field(1)->text().toStdString()));
  const std::optional<FileChoice> target = chooseSaveTarget(this, commonDialog1_);
  if (!target) return;
  commonDialog1_.fileName = target->path;
  if (!writeCaseFile(target->path, bytes)) return;
  savedForm_ = form;
  showCaseFileName(target->path);
}

// The whole file or nothing: it is written beside the target and renamed
// into place, so a failed write leaves the old file as it was.
bool FrmMain::writeCaseFile(const QString& path, const std::string& bytes) {
  const QString reason = writeWhole(path, QByteArray::fromStdString(bytes));
  if (reason.isEmpty()) return true;
  tell("设计文件未能写入 " + shownPath(path) + "：" + reason.toStdString(), kSaveTitle);
  return false;
}

void FrmMain::cmdopenClick() {
  commonDialog1_.filter = kCaseFileFilter;
  const std::optional<FileChoice> choice = chooseOpenFile(this, commonDialog1_);
  if (!choice) return;
  commonDialog1_.fileName = choice->path;
  const std::optional<std::string> bytes = readCaseFile(choice->path);
  if (bytes && applyOpenedFile(*bytes)) showCaseFileName(choice->path);
}

void FrmMain::showCaseFileName(const QString& path) {
  setWindowTitle(QStringLiteral("Veldrin - ") + QFileInfo(path).fileName());
}

std::optional<std::string> FrmMain::readCaseFile(const QString& path) {
  FileBytes file = readRegularFile(path.toStdString());
  if (file.problem == ReadProblem::None) return std::move(file.bytes);
  tell("设计文件无法打开 " + shownPath(path) + "：" + readProblemText(file), kOpenTitle);
  return std::nullopt;
}

// A refused file leaves every box, list and option as it was.
bool FrmMain::applyOpenedFile(const std::string& bytes) {
  CaseFileContent content;
  try {
    content = decodeCaseFile(bytes);
  } catch (const CaseFileError& refused) {
    tell(std::string("设计文件未打开，窗口中的数据没有改动：") + refused.what(), kOpenTitle);
    return false;
  }
  FormState form = formState();
  applyCaseFile(content, form, dc_);
  showFormState(form);
  savedForm_ = formState();
  showInputChanged();  // even when the file holds what the window held
  return true;
}

}  // namespace veldrin
