#include "toolkit/qt/qttoolkit.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

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

QString withDefaultExtension(const QString& path, const QString& extension) {
  if (extension.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  return path + "." + extension;
}

std::optional<FileChoice> runFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
  QString chosenFilter;
  const QString filters = qtNameFilters(request.filter);
  const QString path = save ? QFileDialog::getSaveFileName(parent, QString(), request.fileName, filters, &chosenFilter)
                            : QFileDialog::getOpenFileName(parent, QString(), request.fileName, filters, &chosenFilter);
  if (path.isEmpty()) return std::nullopt;
  return FileChoice{withDefaultExtension(path, request.defaultExtension), filterIndexOf(chosenFilter, request.filter)};
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

std::string QtToolkit::inputBox(const std::string& prompt, const std::string& title) {
  bool ok = false;
  const QString answer = QInputDialog::getText(QApplication::activeWindow(), toQ(title), toQ(prompt), QLineEdit::Normal,
                                               QString(), &ok);
  return ok ? answer.toStdString() : std::string();
}

std::optional<FileChoice> QtToolkit::saveFile(QWidget* parent, const FileDialogRequest& request) {
  return runFileDialog(parent, request, true);
}

std::optional<FileChoice> QtToolkit::openFile(QWidget* parent, const FileDialogRequest& request) {
  return runFileDialog(parent, request, false);
}

bool QtToolkit::print(QWidget* parent, const QTextDocument& document, bool selectionOnly) {
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  if (selectionOnly) {
    dialog.setOption(QAbstractPrintDialog::PrintSelection);
    printer.setPrintRange(QPrinter::Selection);  // offered and chosen already
  }
  if (dialog.exec() != QDialog::Accepted) return false;
  document.print(&printer);
  if (printer.printerState() == QPrinter::Error) {
    messageBox("打印失败，请检查打印机设置!", "打印", MessageIcon::Exclamation);
  }
  return true;
}

void QtToolkit::setClipboardImage(const QImage& image) {
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->clear();
  clipboard->setImage(image);
}

}  // namespace veldrin
