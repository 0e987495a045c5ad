#include "editor/ui/input_line.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "editor/model/key_filters.h"
#include "editor/ui/qt_text.h"

namespace brolt::editor {

namespace {

// The largest code the files' single-byte text holds.
constexpr char16_t kLastSingleByte = 0xFF;

}  // namespace

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
  const QString text = event->text();
  const bool backspace = event->key() == Qt::Key_Backspace;
  const bool character = text.size() == 1 && text[0].isPrint() && !(event->modifiers() & Qt::ControlModifier);
  if (!backspace && !character) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  Type(backspace ? QChar(kBackspaceKey) : text[0]);
}

void InputLine::Type(QChar character) {
  if (character.unicode() > kLastSingleByte) return;
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
