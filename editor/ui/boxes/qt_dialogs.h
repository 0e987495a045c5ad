#pragma once
// The editor's own boxes and help window behind the rules' Dialogs interface. Each window is made
// on its first use and kept, hidden, between uses, until the colours change.
#include <memory>
#include <string>
#include <string_view>

#include "editor/model/services/dialogs.h"

namespace brolt::editor {

struct Editor;
class HelpWindow;
class HelpWindowHost;
class InputBoxWindow;
class MessageBoxWindow;
class WaitWindow;

class QtDialogs : public Dialogs {
 public:
  QtDialogs(Editor& editor, HelpWindowHost& host);
  ~QtDialogs() override;

  int ShowMessageBox(std::string_view text, ButtonSet buttons, std::string_view helpKey) override;
  std::string ShowInputBox(std::string_view prompt, std::string_view defaultText, int maxLength) override;
  void ShowHelpTopic(std::string_view key) override;
  void ShowErrorIcon(bool visible) override;
  // The collection dialogs and the level properties, over the window that is active.
  bool ShowSaveDialog(SaveDialogState& state) override;
  bool ShowLoadDialog(LoadDialogState& state) override;
  bool ShowCompileDialog(CompileChoices& choices) override;
  void ShowLevelManagement(std::string_view collectionFile) override;
  void OpenLevelProperties() override;
  void UnloadDialogs() override;

  bool HelpVisible() const;
  void HideHelp() override;

  MessageBoxWindow& MessageBox();
  InputBoxWindow& InputBox();
  WaitWindow& Wait();
  HelpWindow& Help();

 private:
  Editor& editor_;
  HelpWindowHost& host_;
  std::unique_ptr<MessageBoxWindow> messageBox_;
  std::unique_ptr<InputBoxWindow> inputBox_;
  std::unique_ptr<WaitWindow> wait_;
  std::unique_ptr<HelpWindow> help_;
};

}  // namespace brolt::editor
