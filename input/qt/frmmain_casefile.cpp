// Open and Save of the ".in" design-case file. Both share one file dialog
// whose filter, last name and default extension carry over from one command
// to the next. The format itself is the codec's; here the window picks the
// file, and a file that cannot be written or read says so and changes nothing.
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "casefile/casefile.h"
#include "input/qt/fieldbox.h"
#include "input/qt/frmmain.h"

namespace veldrin {

namespace {

const char* const kCaseFileFilter = "in格式文档|*.in";
const char* const kCaseFileExtension = "in";
const char* const kSaveTitle = "保存";
const char* const kOpenTitle = "打开";

std::string shownPath(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

void tell(const std::string& text, const char* title) {
  WindowToolkit::current().messageBox(text, title, MessageIcon::Exclamation);
}

}  // namespace

// Stops before the dialog when a list has no selection (a box with no title
// of its own) or when a text could not be read back from the file.
void FrmMain::cmdsaveClick() {
  const FormState form = formState();
  dc_.errstr = prepareSave(form, dc_);
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
  const std::optional<FileChoice> choice = WindowToolkit::current().saveFile(this, commonDialog1_);
  if (!choice) return;
  commonDialog1_.defaultExtension = kCaseFileExtension;  // from the next dialog on
  commonDialog1_.fileName = choice->path;
  writeCaseFile(choice->path, bytes);
}

// The whole file or nothing: it is written beside the target and renamed
// into place, so a failed write leaves the old file as it was.
bool FrmMain::writeCaseFile(const QString& path, const std::string& bytes) {
  QSaveFile file(path);
  const auto size = static_cast<qint64>(bytes.size());
  if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), size) == size && file.commit()) return true;
  tell("设计文件未能写入 " + shownPath(path) + "：" + file.errorString().toStdString(), kSaveTitle);
  return false;
}

void FrmMain::cmdopenClick() {
  commonDialog1_.filter = kCaseFileFilter;
  const std::optional<FileChoice> choice = WindowToolkit::current().openFile(this, commonDialog1_);
  if (!choice) return;
  commonDialog1_.defaultExtension = kCaseFileExtension;
  commonDialog1_.fileName = choice->path;
  const std::optional<std::string> bytes = readCaseFile(choice->path);
  if (bytes) applyOpenedFile(*bytes);
}

std::optional<std::string> FrmMain::readCaseFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    tell("设计文件无法打开 " + shownPath(path) + "：" + file.errorString().toStdString(), kOpenTitle);
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    tell("设计文件读取失败 " + shownPath(path) + "：" + file.errorString().toStdString(), kOpenTitle);
    return std::nullopt;
  }
  return bytes.toStdString();
}

// A refused file leaves every box, list and option as it was.
void FrmMain::applyOpenedFile(const std::string& bytes) {
  CaseFileContent content;
  try {
    content = decodeCaseFile(bytes);
  } catch (const CaseFileError& refused) {
    tell(std::string("设计文件未打开，窗口中的数据没有改动：") + refused.what(), kOpenTitle);
    return;
  }
  FormState form = formState();
  applyCaseFile(content, form, dc_);
  showFormState(form);
}

}  // namespace veldrin
