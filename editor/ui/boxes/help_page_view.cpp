#include "editor/ui/boxes/help_page_view.h"

#include <QInputMethodEvent>
#include <QMimeData>

#include "editor/ui/qt/input_line.h"
#include "editor/ui/qt/pasted_text.h"

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
  // Qt types a key's text that a topic can hold as it stands; any other goes in sifted, if anything
  // is left (inserting nothing would still remove the selected text).
  const QString typed = TypedText(*event);
  const QString sifted = SiftPastedText(typed, false);
  if (isReadOnly() || sifted == typed) {
    QPlainTextEdit::keyPressEvent(event);
  } else if (!sifted.isEmpty()) {
    insertPlainText(sifted);
  }
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
