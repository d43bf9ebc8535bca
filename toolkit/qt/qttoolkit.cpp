#include "toolkit/qt/qttoolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

#include "documents/hangingindent.h"

namespace veldrin {

namespace {

WindowToolkit* installed = nullptr;

QString toQ(const std::string& s) { return QString::fromStdString(s); }

// The Qt dialog shows "desc (*.ext)"; map the chosen entry back to its index.
int filterIndexOf(const QString& chosen, const QString& filter) {
  const QStringList filters = qtNameFilters(filter).split(";;");
  const int i = static_cast<int>(filters.indexOf(chosen));
  return i < 0 ? 1 : i + 1;
}

QString startPath(const FileDialogRequest& request) {
  if (request.folder.isEmpty() || QFileInfo(request.fileName).isAbsolute()) return request.fileName;
  return QDir(request.folder).filePath(request.fileName);
}

// The save dialog does not ask about an existing file: the command asks
// about the name it will really write, extension included.
std::optional<FileChoice> runFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
  QString chosenFilter;
  const QString filters = qtNameFilters(request.filter);
  const QString start = startPath(request);
  const QString path =
      save ? QFileDialog::getSaveFileName(parent, QString(), start, filters, &chosenFilter,
                                          QFileDialog::DontConfirmOverwrite)
           : QFileDialog::getOpenFileName(parent, QString(), start, filters, &chosenFilter);
  if (path.isEmpty()) return std::nullopt;
  return FileChoice{path, filterIndexOf(chosenFilter, request.filter)};
}

}  // namespace

QString qtNameFilters(const QString& commonDialogFilter) {
  const QStringList parts = commonDialogFilter.split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + parts[i + 1] + ")";
  return filters.join(";;");
}

WindowToolkit& WindowToolkit::current() {
  static QtToolkit qtToolkit;
  return installed ? *installed : qtToolkit;
}

void WindowToolkit::install(WindowToolkit* toolkit) { installed = toolkit; }

void QtToolkit::messageBox(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, toQ(title), toQ(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

// OK with an empty box is an empty answer; Cancel is no answer at all.
std::optional<std::string> QtToolkit::inputBox(const std::string& prompt, const std::string& title) {
  bool ok = false;
  const QString answer = QInputDialog::getText(QApplication::activeWindow(), toQ(title), toQ(prompt), QLineEdit::Normal,
                                               QString(), &ok);
  if (!ok) return std::nullopt;
  return answer.toStdString();
}

std::optional<FileChoice> QtToolkit::saveFile(QWidget* parent, const FileDialogRequest& request) {
  return runFileDialog(parent, request, true);
}

std::optional<FileChoice> QtToolkit::openFile(QWidget* parent, const FileDialogRequest& request) {
  return runFileDialog(parent, request, false);
}

bool QtToolkit::print(QWidget* parent, const QTextDocument& document, bool selectionOnly) {
  QPrinter printer;
  printer.setPageSize(QPageSize(QPageSize::A4));
  QPrintDialog dialog(&printer, parent);
  if (selectionOnly) {
    dialog.setOption(QAbstractPrintDialog::PrintSelection);
    printer.setPrintRange(QPrinter::Selection);  // offered and chosen already
  }
  if (dialog.exec() != QDialog::Accepted) return false;
  // Indents are lengths of the device: measured again for the printer.
  const std::unique_ptr<QTextDocument> onPaper(document.clone());
  applyHangingIndents(*onPaper, &printer);
  onPaper->print(&printer);
  if (printer.printerState() == QPrinter::Error) {
    messageBox("打印失败，请检查打印机设置!", "打印", MessageIcon::Exclamation);
  }
  return true;
}

bool QtToolkit::confirm(const std::string& text, const std::string& title) {
  const auto answer = QMessageBox::question(QApplication::activeWindow(), toQ(title), toQ(text),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  return answer == QMessageBox::Yes;
}

// The buttons say 是, 否 and 取消 whether or not Qt's translation is installed.
Answer QtToolkit::ask(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::Question, toQ(title), toQ(text), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  QApplication::activeWindow());
  box.button(QMessageBox::Yes)->setText("是");
  box.button(QMessageBox::No)->setText("否");
  box.button(QMessageBox::Cancel)->setText("取消");
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  const int chosen = box.exec();
  if (chosen == QMessageBox::Yes) return Answer::Yes;
  return chosen == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void QtToolkit::setClipboardImage(const QImage& image) {
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->clear();
  clipboard->setImage(image);
}

}  // namespace veldrin
