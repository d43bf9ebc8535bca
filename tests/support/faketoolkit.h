#pragma once
// A scripted toolkit for widget tests: message boxes are recorded, dialogs
// answer from queues (an empty queue = Cancel), the clipboard is kept here.
#include <QTextDocument>
#include <deque>
#include <vector>

#include "support/scriptedplatform.h"
#include "toolkit/qt/windowtoolkit.h"

namespace veldrin::testing {

class FakeToolkit : public WindowToolkit {
 public:
  std::vector<Shown> messages;
  std::vector<std::string> prompts;
  std::deque<std::string> inputAnswers;
  std::deque<FileChoice> saveAnswers, openAnswers;
  std::vector<FileDialogRequest> saveRequests, openRequests;
  bool printAccepts = false;
  int printCount = 0;
  bool lastPrintSelectionOnly = false;
  QString lastPrintedText;
  QImage clipboard;
  int clipboardWrites = 0;
  std::vector<std::string> questions;  // "title|text" of every Yes/No question
  std::deque<bool> confirmAnswers;     // an empty queue answers No
  std::deque<Answer> askAnswers;       // 是/否/取消 questions also go to `questions`; empty = 否

  FakeToolkit() { WindowToolkit::install(this); }
  ~FakeToolkit() override { WindowToolkit::install(nullptr); }

  void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back({text, title, icon});
  }
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) override {
    prompts.push_back(title + "|" + prompt);
    if (inputAnswers.empty()) return std::nullopt;  // Cancel
    std::string a = inputAnswers.front();
    inputAnswers.pop_front();
    return a;
  }
  std::optional<FileChoice> saveFile(QWidget*, const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return take(saveAnswers);
  }
  std::optional<FileChoice> openFile(QWidget*, const FileDialogRequest& request) override {
    openRequests.push_back(request);
    return take(openAnswers);
  }
  bool print(QWidget*, const QTextDocument& document, bool selectionOnly) override {
    if (!printAccepts) return false;
    ++printCount;
    lastPrintSelectionOnly = selectionOnly;
    lastPrintedText = document.toPlainText();
    return true;
  }
  void setClipboardImage(const QImage& image) override {
    clipboard = image;
    ++clipboardWrites;
  }
  bool confirm(const std::string& text, const std::string& title) override {
    questions.push_back(title + "|" + text);
    if (confirmAnswers.empty()) return false;
    const bool yes = confirmAnswers.front();
    confirmAnswers.pop_front();
    return yes;
  }
  Answer ask(const std::string& text, const std::string& title) override {
    questions.push_back(title + "|" + text);
    return take(askAnswers).value_or(Answer::No);
  }

 private:
  template <typename Answered>
  static std::optional<Answered> take(std::deque<Answered>& queue) {
    if (queue.empty()) return std::nullopt;
    Answered c = queue.front();
    queue.pop_front();
    return c;
  }
};

}  // namespace veldrin::testing
