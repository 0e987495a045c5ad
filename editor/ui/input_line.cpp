#include "editor/ui/input_line.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "editor/model/key_filters.h"
#include "editor/ui/qt_text.h"
#include "editor/ui/text_entry.h"

namespace brolt::editor {

InputLine::InputLine(QWidget* parent) : QLineEdit(parent) {
  // The context menu's Paste and a drop would go round the key rules.
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
}

void InputLine::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    Enter(QApplication::clipboard()->text());
    return;
  }
  if (event->key() == Qt::Key_Backspace) {
    Type(QChar(kBackspaceKey));
    return;
  }
  if (const QString typed = TypedText(*event); !typed.isEmpty()) {
    Enter(typed);
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void InputLine::mouseReleaseEvent(QMouseEvent* event) {
  const QClipboard* clipboard = QApplication::clipboard();
  if (event->button() != Qt::MiddleButton || !clipboard->supportsSelection() || isReadOnly()) {
    QLineEdit::mouseReleaseEvent(event);
    return;
  }
  // The press has put the caret under the pointer; the selection goes in there.
  deselect();
  Enter(clipboard->text(QClipboard::Selection));
}

void InputLine::inputMethodEvent(QInputMethodEvent* event) {
  const QString committed = TakeCommittedText(*event);
  Enter(committed);
  QLineEdit::inputMethodEvent(event);
}

void InputLine::Enter(const QString& text) {
  for (QChar character : EnteredText(text, TextShape::OneLine)) Type(character);
}

void InputLine::Type(QChar character) {
  const bool hasSelection = hasSelectedText();
  InputBoxText box{FromQString(this->text()), hasSelection ? selectionStart() : cursorPosition(),
                   hasSelection ? static_cast<int>(selectedText().size()) : 0};
  const InputKeyResult result = FilterInputKey(rules_, character.unicode(), box);
  if (result.text) {
    setText(ToQString(*result.text));
    setCursorPosition(result.caret);
  } else if (result.key == kBackspaceKey) {
    backspace();
  } else if (result.key != 0) {
    insert(QString(QChar(static_cast<char16_t>(result.key))));
  }
}

}  // namespace brolt::editor
