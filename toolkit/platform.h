#pragma once
// What the calculation must ask the platform: a message box and the one-line
// text-input dialog. The desktop program answers with Qt dialogs, the
// headless command with its command-line answers, the tests with a script.
#include <optional>
#include <string>

namespace veldrin {

enum class MessageIcon { None, Exclamation };

class Platform {
 public:
  virtual ~Platform() = default;
  // Modal box with one OK button.
  virtual void messageBox(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  // Modal one-line input with a prompt and a title, no default text;
  // returns the typed text (empty when nothing was typed), nullopt on Cancel.
  virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) = 0;
};

}  // namespace veldrin
