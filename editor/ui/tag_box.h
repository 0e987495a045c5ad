#pragma once
// A tag box of the compile dialog: text that wraps in its box but is one line in the tag record.
// Whatever way text comes in (keys, pasting, the middle button, a drop, an input method), letters go
// through the title filter, only single-byte characters get in and a line break becomes a space;
// Enter belongs to the dialog (it presses Compile), so a typed line break never gets in.
#include <QPlainTextEdit>

#include "editor/model/input_box.h"

namespace brolt::editor {

class TagBox : public QPlainTextEdit {
 public:
  TagBox(int maxLength, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Pasting, the middle button and dropping all come in here.
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // Arriving text, character by character as if typed.
  void Enter(const QString& text);
  void Type(QChar character);

  InputKeyRules rules_;
};

}  // namespace brolt::editor
