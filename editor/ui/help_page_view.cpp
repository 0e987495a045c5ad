#include "editor/ui/help_page_view.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "editor/ui/text_entry.h"

namespace brolt::editor {

void HelpPageView::mousePressEvent(QMouseEvent* event) {
  QPlainTextEdit::mousePressEvent(event);
  emit Pressed(textCursor().position());
}

void HelpPageView::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  emit Released();
}

void HelpPageView::mouseDoubleClickEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseDoubleClickEvent(event);
  emit DoubleClicked();
}

void HelpPageView::keyPressEvent(QKeyEvent* event) {
  const QString typed = TypedText(*event);
  // Qt types what the rules let through unchanged; anything else goes in filtered.
  if (isReadOnly() || EnteredText(typed, TextShape::Page) == typed) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  Enter(typed);
}

void HelpPageView::insertFromMimeData(const QMimeData* source) {
  Enter(source->text());
}

void HelpPageView::inputMethodEvent(QInputMethodEvent* event) {
  if (!isReadOnly()) Enter(TakeCommittedText(*event));
  QPlainTextEdit::inputMethodEvent(event);
}

void HelpPageView::Enter(const QString& text) {
  // Inserting nothing would still remove the selected text.
  if (const QString entered = EnteredText(text, TextShape::Page); !entered.isEmpty()) insertPlainText(entered);
}

}  // namespace brolt::editor
