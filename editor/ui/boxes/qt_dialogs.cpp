#include "editor/ui/boxes/qt_dialogs.h"

#include <QApplication>

#include "editor/ui/boxes/help_window.h"
#include "editor/ui/boxes/input_box_window.h"
#include "editor/ui/boxes/message_box_window.h"
#include "editor/ui/boxes/wait_window.h"
#include "editor/ui/dialogs/compile_dialog.h"
#include "editor/ui/dialogs/level_management_dialog.h"
#include "editor/ui/dialogs/load_dialog.h"
#include "editor/ui/dialogs/property_commands.h"
#include "editor/ui/dialogs/save_dialog.h"

namespace brolt::editor {

QtDialogs::QtDialogs(Editor& editor, HelpWindowHost& host) : editor_(editor), host_(host) {}

QtDialogs::~QtDialogs() = default;

int QtDialogs::ShowMessageBox(std::string_view text, ButtonSet buttons, std::string_view helpKey) {
  return MessageBox().Ask(text, buttons, helpKey);
}

std::string QtDialogs::ShowInputBox(std::string_view prompt, std::string_view defaultText, int maxLength) {
  // Help opened for an earlier window would stand over the question; the help window stays open
  // when it is the one asking (a topic's new name).
  if (HelpVisible() && !help_->AsksForTopicName()) HideHelp();
  return InputBox().Ask(prompt, defaultText, maxLength);
}

void QtDialogs::ShowHelpTopic(std::string_view key) { Help().ShowTopic(key); }

void QtDialogs::ShowErrorIcon(bool visible) { MessageBox().SetErrorIconVisible(visible); }

bool QtDialogs::ShowSaveDialog(SaveDialogState& state) {
  return RunSaveDialog(editor_, state, QApplication::activeWindow());
}

bool QtDialogs::ShowLoadDialog(LoadDialogState& state) {
  return RunLoadDialog(editor_, state, QApplication::activeWindow());
}

bool QtDialogs::ShowCompileDialog(CompileChoices& choices) {
  return RunCompileDialog(editor_, choices, QApplication::activeWindow());
}

void QtDialogs::ShowLevelManagement(std::string_view collectionFile) {
  RunLevelManagementDialog(editor_, collectionFile, QApplication::activeWindow());
}

void QtDialogs::OpenLevelProperties() {
  RunLevelProperties(editor_, QApplication::activeWindow());
}

void QtDialogs::UnloadDialogs() {
  messageBox_.reset();
  inputBox_.reset();
  wait_.reset();
  help_.reset();
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
