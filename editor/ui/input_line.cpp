#include "editor/ui/input_line.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "editor/model/key_filters.h"
#include "editor/ui/qt_text.h"

namespace brolt::editor {

std::optional<QChar> TypedCharacter(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.size() != 1 || !text[0].isPrint() || (event.modifiers() & Qt::ControlModifier)) return std::nullopt;
  return text[0];
}

InputLine::InputLine(QWidget* parent) : QLineEdit(parent) {
  // Pasting and dropping would go round the key rules; pasting is typed through them instead.
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
}

void InputLine::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    const QString pasted = QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0);
    for (QChar character : pasted) Type(character);
    return;
  }
  if (event->key() == Qt::Key_Backspace) {
    Type(QChar(kBackspaceKey));
    return;
  }
  if (const std::optional<QChar> character = TypedCharacter(*event)) {
    Type(*character);
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void InputLine::Type(QChar character) {
  if (!IsSingleByte(character)) return;
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
