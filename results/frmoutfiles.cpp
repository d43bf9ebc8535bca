// The result window's file and printer commands: Save, Open and Print.
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "documents/pdfdocument.h"
#include "documents/reportdocument.h"
#include "input/formstate.h"
#include "results/frmout.h"
#include "results/frmouttexts.h"
#include "documents/rtfreader.h"
#include "documents/rtfwriter.h"
#include "toolkit/qt/savetarget.h"
#include "toolkit/userfiles.h"

namespace veldrin {

namespace {

constexpr int richTextFilter = 1;  // the first pair of the save filter

void showFileError(const char* title, const char* action, const QString& path, const QString& reason) {
  const QString text = QString::fromUtf8(action) + path + "\n" + reason;
  WindowToolkit::current().messageBox(text.toStdString(), title, MessageIcon::Exclamation);
}

}  // namespace

// The displayed document when it is an open one, otherwise the newest.
QTextEdit* FrmOut::activeBox() const {
  const int shown = displayedBox();
  return box(shown >= 1 && shown <= doccount_ ? shown : doccount_);
}

QString FrmOut::proposedFileName() const {
  return QString::fromStdString(veldrin::proposedFileName(host_.projectName().toStdString()));
}

// The format follows the name's extension (.rtf, .txt), which follows the
// chosen filter when the name has none of its own.
void FrmOut::saveDocument() {
  if (doccount_ == 0) return;  // no open document: nothing to save
  dialog_.filter = QString::fromUtf8(frmouttext::saveFilter);
  dialog_.fileName = proposedFileName();
  const std::optional<FileChoice> target = chooseSaveTarget(this, dialog_);
  if (!target) return;
  const bool rich = target->filterIndex == richTextFilter;
  QTextDocument* document = activeBox()->document();
  const RichContent content = contentOf(*document);
  const QByteArray bytes = rich ? writeRtf(content, host_.projectName()) : plainTextFile(content);
  if (!writeDocumentFile(target->path, bytes)) return;
  document->setModified(false);
  setWindowTitle(QString::fromUtf8(frmouttext::titlePrefix) + target->path);
}

// The displayed document on A4 pages, the project name in the footer.
void FrmOut::exportPdf() {
  if (doccount_ == 0) return;
  pdfDialog_.filter = QString::fromUtf8(frmouttext::pdfFilter);
  pdfDialog_.fileName = proposedFileName();
  const std::optional<FileChoice> target = chooseSaveTarget(this, pdfDialog_);
  if (!target) return;
  const QByteArray pdf = pdfFile(contentOf(*activeBox()->document()), host_.projectName());
  if (pdf.isEmpty()) {
    showFileError("导出PDF失败", "无法生成PDF文件 ", target->path, QString());
    return;
  }
  writeDocumentFile(target->path, pdf);
}

// Written beside the target and renamed into place: a failed write leaves
// the old file as it was and no half-written one.
bool FrmOut::writeDocumentFile(const QString& path, const QByteArray& bytes) {
  const QString reason = writeWhole(path, bytes);
  if (!reason.isEmpty()) showFileError("保存失败", "无法保存文件 ", path, reason);
  return reason.isEmpty();
}

void FrmOut::openDocument() {
  if (doccount_ >= maxDocuments) {
    showLimitMessage();
    return;
  }
  dialog_.filter = QString::fromUtf8(frmouttext::openFilter);
  const std::optional<FileChoice> choice = chooseOpenFile(this, dialog_);
  if (!choice) return;
  dialog_.fileName = choice->path;
  const std::optional<RichContent> content = readDocumentFile(choice->path);
  if (!content) return;
  QTextEdit* opened = box(openNextDocument());
  placeReport(*opened->document(), *content);
  opened->document()->setModified(false);  // as it stands on disk
  opened->moveCursor(QTextCursor::Start);
  setWindowTitle(QString::fromUtf8(frmouttext::titlePrefix) + choice->path);
}

std::optional<RichContent> FrmOut::readDocumentFile(const QString& path) {
  const FileBytes file = readRegularFile(path.toStdString());
  if (file.problem != ReadProblem::None) {
    showFileError("打开失败", "无法打开文件 ", path, QString::fromStdString(readProblemText(file)));
    return std::nullopt;
  }
  const QByteArray bytes = QByteArray::fromStdString(file.bytes);
  if (looksLikeRtf(bytes)) return readRtf(bytes);
  return plainContent(decodeTextFile(bytes));
}

void FrmOut::printDocument() {
  if (doccount_ == 0) return;  // no open document: nothing to print
  const QTextEdit* edit = activeBox();
  const QTextCursor cursor = edit->textCursor();
  if (!cursor.hasSelection()) {
    WindowToolkit::current().print(this, *edit->document(), false);
    return;
  }
  // A document of the selection alone, with the pictures it shows.
  QTextDocument selection;
  selection.setDefaultFont(edit->document()->defaultFont());
  QTextCursor(&selection).insertFragment(cursor.selection());
  copyPictureImages(*edit->document(), selection);
  WindowToolkit::current().print(this, selection, true);
}

}  // namespace veldrin
