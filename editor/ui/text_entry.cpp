#include "editor/ui/text_entry.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QRegularExpression>

namespace brolt::editor {

QString TypedText(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty() || (event.modifiers() & Qt::ControlModifier)) return {};
  return text[0].isPrint() || text[0] == u'\t' ? text : QString();
}

QString EnteredText(const QString& text, TextShape shape) {
  static const QRegularExpression kLineBreak(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
  QString entered = text;
  entered.replace(kLineBreak, shape == TextShape::OneLine ? QStringLiteral(" ") : QStringLiteral("\n"));
  entered.removeIf([shape](QChar character) {
    const bool keptInPage = character == u'\n' || character == u'\t';
    return !IsSingleByte(character) || (!character.isPrint() && !(shape == TextShape::Page && keptInPage));
  });
  return entered;
}

QString TakeCommittedText(QInputMethodEvent& event) {
  const QString committed = event.commitString();
  event.setCommitString(QString(), event.replacementStart(), event.replacementLength());
  return committed;
}

}  // namespace brolt::editor
