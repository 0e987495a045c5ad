#include "editor/ui/qt/input_line.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "editor/model/services/key_filters.h"
#include "editor/ui/qt/pasted_text.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {

// The rules read the line as single bytes, a character beyond them as '?'. Where they rewrite the
// line, the part they kept stays as the line had it, so that an offered name keeps such characters.
QString KeptByRules(const QString& line, const std::string& read, const std::string& rewritten) {
  std::size_t kept = 0;
  while (kept < read.size() && kept < rewritten.size() && read[kept] == rewritten[kept]) ++kept;
  return line.left(static_cast<qsizetype>(kept)) + ToQString(std::string_view(rewritten).substr(kept));
}

}  // namespace

QString TypedText(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty() || (event.modifiers() & Qt::ControlModifier)) return {};
  return text[0].isPrint() || text[0] == u'\t' ? text : QString();
}

InputLine::InputLine(QWidget* parent) : QLineEdit(parent) {
  // Pasting and dropping would go round the key rules; pasting is typed through them instead.
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
}

void InputLine::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    Paste(QApplication::clipboard()->text());
    return;
  }
  if (event->key() == Qt::Key_Backspace) {
    Type(QChar(kBackspaceKey));
    return;
  }
  // Several characters of one key meet the rules as pasted ones do; Qt would insert them unfiltered.
  if (const QString typed = TypedText(*event); !typed.isEmpty()) {
    Paste(typed);
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void InputLine::mouseReleaseEvent(QMouseEvent* event) {
  QClipboard* clipboard = QApplication::clipboard();
  if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
    deselect();
    if (!isReadOnly()) Paste(clipboard->text(QClipboard::Selection));
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void InputLine::inputMethodEvent(QInputMethodEvent* event) {
  const QString committed = TakeCommittedText(*event);
  QLineEdit::inputMethodEvent(event);
  Paste(committed);
}

void InputLine::Paste(const QString& text) {
  for (QChar character : SiftPastedText(text, true)) Type(character);
}

void InputLine::Type(QChar character) {
  if (!IsSingleByte(character)) return;
  const bool hasSelection = hasSelectedText();
  InputBoxText box{FromQString(this->text()), hasSelection ? selectionStart() : cursorPosition(),
                   hasSelection ? static_cast<int>(selectedText().size()) : 0};
  const InputKeyResult result = FilterInputKey(rules_, character.unicode(), box);
  if (result.text) {
    setText(KeptByRules(this->text(), box.text, *result.text));
    setCursorPosition(result.caret);
  } else if (result.key == kBackspaceKey) {
    backspace();
  } else if (result.key != 0) {
    insert(QString(QChar(static_cast<char16_t>(result.key))));
  }
}

}  // namespace brolt::editor
