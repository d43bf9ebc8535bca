#pragma once
// A platform for tests: records every message box and answers the input
// dialog from a script (the last answer repeats; none scripted = Cancel;
// a scripted nullopt = Cancel).
#include <algorithm>
#include <optional>
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
  static constexpr std::size_t kMostPrompts = 100;
  std::vector<Shown> messages;
  std::vector<std::string> prompts;
  std::vector<std::optional<std::string>> answers;

  void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back({text, title, icon});
  }
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) override {
    prompts.push_back(title + "|" + prompt);
    // A script ending in a refused answer would be asked again for ever.
    if (answers.empty() || prompts.size() > kMostPrompts) return std::nullopt;
    const std::size_t i = std::min(prompts.size(), answers.size()) - 1;
    return answers[i];
  }
};

}  // namespace veldrin::testing
