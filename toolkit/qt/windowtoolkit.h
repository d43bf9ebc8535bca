#pragma once
// The one layer through which the windows reach the platform's dialogs,
// clipboard and printer. The program installs the Qt implementation; widget
// tests install a scripted fake, so no test ever blocks on a modal box.
#include <QImage>
#include <QString>
#include <optional>

#include "toolkit/platform.h"

class QWidget;
class QTextDocument;

namespace veldrin {

struct FileChoice {
  QString path;
  int filterIndex = 1;  // 1-based position of the chosen filter pair
};

// A common-dialog filter "desc|pattern|desc|pattern", the proposed name and
// the folder the dialog starts in. The dialog itself neither adds an
// extension nor asks before replacing: the command does both on the name it
// will write (toolkit/qt/savetarget.h).
struct FileDialogRequest {
  QString filter;    // "in格式文档|*.in"
  QString fileName;  // proposed name
  QString folder;    // where the dialog starts ("" = the working folder)
};

// The answer to a question with 是, 否 and 取消.
enum class Answer { Yes, No, Cancel };

class WindowToolkit : public Platform {
 public:
  // Platform: messageBox, inputBox.
  virtual std::optional<FileChoice> saveFile(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual std::optional<FileChoice> openFile(QWidget* parent, const FileDialogRequest& request) = 0;
  // Shows the print dialog and prints the document. With selectionOnly the
  // document is the user's selection, and the dialog shows the selection
  // range as chosen. Returns false on Cancel; throws nothing, reports errors
  // through the message box.
  virtual bool print(QWidget* parent, const QTextDocument& document, bool selectionOnly) = 0;
  virtual void setClipboardImage(const QImage& image) = 0;
  // Modal question with Yes and No (No the default); true for Yes.
  virtual bool confirm(const std::string& text, const std::string& title) = 0;
  // Modal question with 是, 否 and 取消 (是 the default; Esc and the frame's
  // close answer 取消).
  virtual Answer ask(const std::string& text, const std::string& title) = 0;

  // The toolkit the windows use (the Qt one unless a test installed another).
  static WindowToolkit& current();
  static void install(WindowToolkit* toolkit);  // nullptr restores the Qt one
};

// Turns "desc|*.ext|desc|*.ext" into a Qt name filter list ("desc (*.ext);;…").
QString qtNameFilters(const QString& commonDialogFilter);

}  // namespace veldrin
