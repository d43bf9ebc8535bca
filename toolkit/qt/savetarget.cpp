#include "toolkit/qt/savetarget.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "toolkit/userfiles.h"

namespace veldrin {

namespace {

QString& folderMemory() {
  static QString folder;
  return folder;
}

void rememberFolderOf(const QString& path) { folderMemory() = QFileInfo(path).absolutePath(); }

// The position (1-based) of the extension the name ends in, or 0.
int formatOfName(const QString& path, const QStringList& extensions) {
  const QString suffix = QFileInfo(path).suffix();
  for (int i = 0; i < extensions.size(); ++i) {
    if (suffix.compare(extensions[i], Qt::CaseInsensitive) == 0) return i + 1;
  }
  return 0;
}

bool userAllowsReplacing(const QString& path) {
  const QString question = QString::fromUtf8("“%1”已存在。\n要替换它吗?").arg(QDir::toNativeSeparators(path));
  return WindowToolkit::current().confirm(question.toStdString(), "确认另存为");
}

}  // namespace

QStringList filterExtensions(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList extensions;
  for (int i = 1; i < parts.size(); i += 2) extensions << QFileInfo(parts[i]).suffix();
  return extensions;
}

FileChoice savedName(const FileChoice& answer, const QString& filter) {
  const QStringList extensions = filterExtensions(filter);
  const int named = formatOfName(answer.path, extensions);
  if (named > 0) return {answer.path, named};
  const int chosen = answer.filterIndex >= 1 && answer.filterIndex <= extensions.size() ? answer.filterIndex : 1;
  return {answer.path + "." + extensions.value(chosen - 1), chosen};
}

std::optional<FileChoice> chooseSaveTarget(QWidget* parent, FileDialogRequest& request) {
  request.folder = lastUsedFolder();
  const std::optional<FileChoice> answer = WindowToolkit::current().saveFile(parent, request);
  if (!answer) return std::nullopt;
  const FileChoice target = savedName(*answer, request.filter);
  rememberFolderOf(target.path);
  if (QFileInfo::exists(target.path) && !userAllowsReplacing(target.path)) return std::nullopt;
  return target;
}

std::optional<FileChoice> chooseOpenFile(QWidget* parent, FileDialogRequest& request) {
  request.folder = lastUsedFolder();
  std::optional<FileChoice> answer = WindowToolkit::current().openFile(parent, request);
  if (answer) rememberFolderOf(answer->path);
  return answer;
}

QString lastUsedFolder() { return folderMemory(); }

// Unbuffered: a write cut short (a full disk) shows in write()'s count. A
// buffered QSaveFile reports that loss nowhere and commits the short file.
QString writeWhole(const QString& path, const QByteArray& bytes) {
  const SaveProblem refused = saveProblem(path.toStdString());
  if (refused != SaveProblem::None) return QString::fromStdString(saveProblemText(refused));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
  const qint64 written = file.write(bytes);
  if (written != bytes.size()) {
    file.cancelWriting();
    return QString::fromUtf8("只写入了%1字节(共%2字节)，磁盘可能已满").arg(std::max<qint64>(written, 0)).arg(bytes.size());
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace veldrin
