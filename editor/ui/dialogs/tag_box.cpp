#include "editor/ui/dialogs/tag_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "editor/ui/qt/input_line.h"
#include "editor/ui/qt/pasted_text.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

TagBox::TagBox(int maxLength, QWidget* parent) : QPlainTextEdit(parent), rules_{InputMode::Proper, maxLength} {
  setTabChangesFocus(true);
}

void TagBox::keyPressEvent(QKeyEvent* event) {
  // With or without Shift, Enter never breaks the line: the dialog takes it.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->ignore();
    return;
  }
  if (const QString typed = TypedText(*event); !typed.isEmpty()) {
    Paste(typed);
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TagBox::insertFromMimeData(const QMimeData* source) { Paste(source->text()); }

void TagBox::inputMethodEvent(QInputMethodEvent* event) {
  const QString committed = TakeCommittedText(*event);
  QPlainTextEdit::inputMethodEvent(event);
  Paste(committed);
}

void TagBox::Paste(const QString& text) {
  for (QChar character : SiftPastedText(text, true)) Type(character);
}

void TagBox::Type(QChar character) {
  if (!IsSingleByte(character)) return;
  const QTextCursor cursor = textCursor();
  const InputBoxText box{FromQString(toPlainText()), cursor.selectionStart(),
                         cursor.selectionEnd() - cursor.selectionStart()};
  const int key = FilterInputKey(rules_, character.unicode(), box).key;
  if (key != 0) insertPlainText(QString(QChar(static_cast<char16_t>(key))));
}

}  // namespace brolt::editor
