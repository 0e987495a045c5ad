#pragma once
// The input box's line: every typed or pasted character goes through the key rules of the box's
// mode, and only characters that the editor's single-byte text can hold get in.
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

 private:
  // One character (8 for Backspace) as if typed.
  void Type(QChar character);

  InputKeyRules rules_;
};

}  // namespace brolt::editor
