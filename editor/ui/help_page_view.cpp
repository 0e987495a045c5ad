#include "editor/ui/help_page_view.h"

#include <QInputMethodEvent>
#include <QMimeData>

#include "editor/ui/input_line.h"
#include "editor/ui/pasted_text.h"

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
  if (const std::optional<QChar> typed = TypedCharacter(*event); typed && !IsSingleByte(*typed)) return;
  QPlainTextEdit::keyPressEvent(event);
}

void HelpPageView::insertFromMimeData(const QMimeData* source) {
  insertPlainText(SiftPastedText(source->text(), false));
}

void HelpPageView::inputMethodEvent(QInputMethodEvent* event) {
  const QString committed = TakeCommittedText(*event);
  QPlainTextEdit::inputMethodEvent(event);
  insertPlainText(SiftPastedText(committed, false));
}

}  // namespace brolt::editor
