#pragma once
// Text that reaches a field whole rather than key by key: pasted (Ctrl+V, Shift+Insert, the middle
// button's selection), dropped, or committed by an input method. It must meet the same rules as
// typing, so each field types it through its own filter after this first sifting.
#include <QString>

class QInputMethodEvent;

namespace brolt::editor {

// Drops control characters and characters the editor's single-byte text can't hold. Line breaks
// become spaces in a one-line field and stay line breaks (and tabs stay) in a page.
QString SiftPastedText(const QString& text, bool oneLine);

// Takes an input method's committed text out of its event, leaving the composition for the field.
QString TakeCommittedText(QInputMethodEvent& event);

}  // namespace brolt::editor
