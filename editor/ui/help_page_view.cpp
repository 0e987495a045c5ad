#include "editor/ui/help_page_view.h"

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

}  // namespace brolt::editor
