#pragma once
// What the editor's text fields let in. Text reaches a field by keys, by pasting (Ctrl+V, Shift+Insert,
// the middle button's X11 selection), by dropping and from an input method; every way goes through
// these rules first, then the field's own key rules character by character.
#include <QString>

class QInputMethodEvent;
class QKeyEvent;

namespace brolt::editor {

// Whether the files' single-byte text can hold the character.
inline bool IsSingleByte(QChar character) { return character.unicode() <= 0xFF; }

// One line (a title, a tag record) or a page of lines (a help topic).
enum class TextShape { OneLine, Page };

// The text a key press types: "" when Ctrl is held or the key types no printable character (nor a tab).
QString TypedText(const QKeyEvent& event);

// The characters of arriving text that the field may take: line breaks become a space in one line and
// stay in a page, a page keeps its tabs, every other control character and every character beyond a
// single byte is left out.
QString EnteredText(const QString& text, TextShape shape);

// Takes the text an input method commits out of its event, for the field to type through its rules;
// the rest of the event (the text still being composed) stays for Qt to show.
QString TakeCommittedText(QInputMethodEvent& event);

}  // namespace brolt::editor
