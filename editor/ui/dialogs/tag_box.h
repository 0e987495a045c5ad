#pragma once
// A tag box of the compile dialog: text that wraps in its box but is one line in the tag record.
// Letters are typed through the title filter, only single-byte characters get in, Enter belongs to
// the dialog (it presses Compile), a typed line break never gets in and a pasted one becomes a
// space.
#include <QPlainTextEdit>

#include "editor/model/services/input_box.h"

namespace brolt::editor {

class TagBox : public QPlainTextEdit {
 public:
  TagBox(int maxLength, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Pasting and dropping: the text typed through the rules, line breaks as spaces.
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  void Paste(const QString& text);
  void Type(QChar character);

  InputKeyRules rules_;
};

}  // namespace brolt::editor
