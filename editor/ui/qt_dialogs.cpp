#include "editor/ui/qt_dialogs.h"

#include <QApplication>
#include <QPointer>

#include "editor/ui/compile_dialog.h"
#include "editor/ui/help_window.h"
#include "editor/ui/level_management_dialog.h"
#include "editor/ui/load_dialog.h"
#include "editor/ui/property_commands.h"
#include "editor/ui/save_dialog.h"
#include "editor/ui/input_box_window.h"
#include "editor/ui/message_box_window.h"
#include "editor/ui/wait_window.h"

namespace brolt::editor {

namespace {
// A box or dialog that closes gives the keyboard back to the window that had it. A window manager
// would; without one (a bare X server) the keys would otherwise go nowhere.
class KeyboardReturn {
 public:
  KeyboardReturn() : window_(QApplication::activeWindow()) {}
  ~KeyboardReturn() {
    if (window_ && window_->isVisible()) window_->activateWindow();
  }
  KeyboardReturn(const KeyboardReturn&) = delete;
  KeyboardReturn& operator=(const KeyboardReturn&) = delete;

 private:
  QPointer<QWidget> window_;
};
}  // namespace

QtDialogs::QtDialogs(Editor& editor, HelpWindowHost& host) : editor_(editor), host_(host) {}

QtDialogs::~QtDialogs() = default;

int QtDialogs::ShowMessageBox(std::string_view text, ButtonSet buttons, std::string_view helpKey) {
  const KeyboardReturn keyboard;
  return MessageBox().Ask(text, buttons, helpKey);
}

std::string QtDialogs::ShowInputBox(std::string_view prompt, std::string_view defaultText, int maxLength) {
  const KeyboardReturn keyboard;
  // Help opened for an earlier window would stand over the question; the help window stays open
  // when it is the one asking (a topic's new name).
  if (HelpVisible() && !help_->AsksForTopicName()) HideHelp();
  return InputBox().Ask(prompt, defaultText, maxLength);
}

void QtDialogs::ShowHelpTopic(std::string_view key) { Help().ShowTopic(key); }

void QtDialogs::ShowErrorIcon(bool visible) { MessageBox().SetErrorIconVisible(visible); }

bool QtDialogs::ShowSaveDialog(SaveDialogState& state) {
  const KeyboardReturn keyboard;
  return RunSaveDialog(editor_, state, QApplication::activeWindow());
}

bool QtDialogs::ShowLoadDialog(LoadDialogState& state) {
  const KeyboardReturn keyboard;
  return RunLoadDialog(editor_, state, QApplication::activeWindow());
}

bool QtDialogs::ShowCompileDialog(CompileChoices& choices) {
  const KeyboardReturn keyboard;
  return RunCompileDialog(editor_, choices, QApplication::activeWindow());
}

void QtDialogs::ShowLevelManagement(std::string_view collectionFile) {
  const KeyboardReturn keyboard;
  RunLevelManagementDialog(editor_, collectionFile, QApplication::activeWindow());
}

void QtDialogs::OpenLevelProperties() {
  const KeyboardReturn keyboard;
  RunLevelProperties(editor_, QApplication::activeWindow());
}

bool QtDialogs::HelpVisible() const { return help_ && help_->isVisible(); }

void QtDialogs::HideHelp() {
  if (help_) help_->reject();
}

MessageBoxWindow& QtDialogs::MessageBox() {
  if (!messageBox_) messageBox_ = std::make_unique<MessageBoxWindow>(editor_);
  return *messageBox_;
}

InputBoxWindow& QtDialogs::InputBox() {
  if (!inputBox_) inputBox_ = std::make_unique<InputBoxWindow>(editor_);
  return *inputBox_;
}

WaitWindow& QtDialogs::Wait() {
  if (!wait_) wait_ = std::make_unique<WaitWindow>(editor_);
  return *wait_;
}

HelpWindow& QtDialogs::Help() {
  if (!help_) help_ = std::make_unique<HelpWindow>(editor_, host_);
  return *help_;
}

}  // namespace brolt::editor
