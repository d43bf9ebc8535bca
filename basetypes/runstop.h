#pragma once
// A run that cannot go on stops with a message box instead of a report.
#include <stdexcept>
#include <string>

namespace veldrin {

class RunRefused : public std::runtime_error {
 public:
  RunRefused(std::string title, std::string text)
      : std::runtime_error(text), title_(std::move(title)), text_(std::move(text)) {}
  const std::string& title() const { return title_; }
  const std::string& text() const { return text_; }

 private:
  std::string title_;
  std::string text_;
};

// The user cancelled a question the run asked: the run stops, and nothing
// more is said than that it did not finish.
class RunCancelled : public std::runtime_error {
 public:
  RunCancelled() : std::runtime_error("cancelled") {}
};

inline const char* const kInputCheckTitle = "输入数据检查";

}  // namespace veldrin
