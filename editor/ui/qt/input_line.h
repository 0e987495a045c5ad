#pragma once
// The input box's line, and every other one-line text field of the editor: every typed or pasted
// character goes through the key rules of the line's mode, and only characters that the editor's
// single-byte text can hold get in.
#include <QLineEdit>

#include "editor/model/services/input_box.h"

class QKeyEvent;

namespace brolt::editor {

// The text a key press types: "" when Ctrl is held or the text starts with no printable character
// (nor a tab). A key may bring several characters at once, as input tools and compose keys send them.
QString TypedText(const QKeyEvent& event);

// Whether the files' single-byte text can hold the character.
inline bool IsSingleByte(QChar character) { return character.unicode() <= 0xFF; }

class InputLine : public QLineEdit {
 public:
  explicit InputLine(QWidget* parent = nullptr);

  void SetRules(const InputKeyRules& rules) { rules_ = rules; }
  const InputKeyRules& Rules() const { return rules_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // The middle button pastes the selection, and an input method commits text: both are typed.
  void mouseReleaseEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  void Paste(const QString& text);
  // One character (8 for Backspace) as if typed.
  void Type(QChar character);

  InputKeyRules rules_;
};

}  // namespace brolt::editor
