#pragma once
// frmInpBox: the editor's input box. A prompt, one line of text in one of the input modes, OK and
// Cancel.
#include <QDialog>
#include <string>
#include <string_view>

class QLabel;
class QPushButton;

namespace brolt::editor {

struct Editor;
class InputLine;

class InputBoxWindow : public QDialog {
  Q_OBJECT

 public:
  explicit InputBoxWindow(Editor& editor, QWidget* parent = nullptr);

  // Shows the box modally; the typed text, or "" when cancelled. A mode prefix on the default text
  // chooses the key rules; maxLength 0 means no limit.
  std::string Ask(std::string_view prompt, std::string_view defaultText, int maxLength);

  InputLine* Line() const { return txtInput_; }
  QLabel* Prompt() const { return txtLabel_; }
  QPushButton* OkButton() const { return cmdOK_; }
  QPushButton* CancelButton() const { return cmdCancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Editor& editor_;
  QLabel* txtLabel_;
  InputLine* txtInput_;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
};

}  // namespace brolt::editor
