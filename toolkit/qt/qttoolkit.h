#pragma once
// The toolkit of the desktop program: Qt's dialogs, clipboard and printer.
#include "toolkit/qt/windowtoolkit.h"

namespace veldrin {

class QtToolkit : public WindowToolkit {
 public:
  void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override;
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) override;
  std::optional<FileChoice> saveFile(QWidget* parent, const FileDialogRequest& request) override;
  std::optional<FileChoice> openFile(QWidget* parent, const FileDialogRequest& request) override;
  bool print(QWidget* parent, const QTextDocument& document, bool selectionOnly) override;
  void setClipboardImage(const QImage& image) override;
  bool confirm(const std::string& text, const std::string& title) override;
  Answer ask(const std::string& text, const std::string& title) override;
};

}  // namespace veldrin
