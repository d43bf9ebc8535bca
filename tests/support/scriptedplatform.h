#pragma once
// A platform for tests: records every message box and answers the input
// dialog from a script (the last answer repeats; none scripted = Cancel).
#include <algorithm>
#include <string>
#include <vector>

#include "toolkit/platform.h"

namespace veldrin::testing {

struct Shown {
  std::string text, title;
  MessageIcon icon;
};

class ScriptedPlatform : public Platform {
 public:
  std::vector<Shown> messages;
  std::vector<std::string> prompts;
  std::vector<std::string> answers;

  void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back({text, title, icon});
  }
  std::string inputBox(const std::string& prompt, const std::string& title) override {
    prompts.push_back(title + "|" + prompt);
    if (answers.empty()) return {};
    const std::size_t i = std::min(prompts.size(), answers.size()) - 1;
    return answers[i];
  }
};

}  // namespace veldrin::testing
