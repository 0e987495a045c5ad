#pragma once
// A stand-in for the editor's message and input boxes: answers come from a script, in order, and
// every box shown is recorded so that a test can check what the designer was told.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/services/dialogs.h"

namespace brolt::testing {

class ScriptedDialogs : public editor::Dialogs {
 public:
  struct Shown {
    std::string text;
    editor::ButtonSet buttons;
    std::string helpKey;
  };

  // Answers for the next message boxes; once used up, every box answers 1.
  std::deque<int> buttonAnswers;
  // Answers for the next input boxes; once used up, every box answers "" (Cancel).
  std::deque<std::string> inputAnswers;

  std::vector<Shown> messages;
  std::vector<std::string> prompts;
  std::vector<std::string> helpTopics;

  int ShowMessageBox(std::string_view text, editor::ButtonSet buttons, std::string_view helpKey) override {
    messages.push_back({std::string(text), buttons, std::string(helpKey)});
    if (buttonAnswers.empty()) return 1;
    const int answer = buttonAnswers.front();
    buttonAnswers.pop_front();
    return answer;
  }
  std::string ShowInputBox(std::string_view prompt, std::string_view, int) override {
    prompts.emplace_back(prompt);
    if (inputAnswers.empty()) return {};
    std::string answer = std::move(inputAnswers.front());
    inputAnswers.pop_front();
    return answer;
  }
  void ShowHelpTopic(std::string_view key) override { helpTopics.emplace_back(key); }

  std::string LastMessage() const { return messages.empty() ? std::string() : messages.back().text; }
};

}  // namespace brolt::testing
