#pragma once
// The input box's line, and every other one-line text field of the editor: whatever way text comes
// in (keys, pasting, the middle button, an input method), each character goes through the key rules
// of the line's mode, and only characters that the editor's single-byte text can hold get in.
#include <QLineEdit>

#include "editor/model/input_box.h"

namespace brolt::editor {

class InputLine : public QLineEdit {
 public:
  explicit InputLine(QWidget* parent = nullptr);

  void SetRules(const InputKeyRules& rules) { rules_ = rules; }
  const InputKeyRules& Rules() const { return rules_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // The middle button pastes X11's selection.
  void mouseReleaseEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // Arriving text, character by character as if typed.
  void Enter(const QString& text);
  // One character (8 for Backspace) as if typed.
  void Type(QChar character);

  InputKeyRules rules_;
};

}  // namespace brolt::editor
