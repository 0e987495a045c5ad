#pragma once
// frmMesBox: the editor's message box. A text, up to three answer buttons whose index is the
// answer, and a help button when the message has a help key.
#include <QDialog>
#include <array>
#include <string>
#include <string_view>

#include "editor/model/services/dialogs.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace brolt::editor {

struct Editor;

class MessageBoxWindow : public QDialog {
  Q_OBJECT

 public:
  explicit MessageBoxWindow(Editor& editor, QWidget* parent = nullptr);

  // Shows the message modally and returns the index of the button pressed; Escape and the close
  // box give the set's cancel answer.
  int Ask(std::string_view message, ButtonSet buttons, std::string_view helpKey);
  void SetErrorIconVisible(bool visible);

  QPushButton* Button(int index) const { return cmdOK_[static_cast<std::size_t>(index)]; }
  QToolButton* HelpButton() const { return cmdHelp_; }
  QLabel* MessageLabel() const { return txtLabel_; }
  QLabel* ErrorIcon() const { return imgIcon_; }

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ApplyButtonSet(ButtonSet buttons);
  void PlaceMessage();

  Editor& editor_;
  QLabel* txtLabel_;
  QLabel* imgIcon_;
  std::array<QPushButton*, 3> cmdOK_{};
  QToolButton* cmdHelp_;
  std::string helpKey_;
  int closeAnswer_ = 1;
};

}  // namespace brolt::editor
