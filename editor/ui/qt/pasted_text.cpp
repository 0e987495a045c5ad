#include "editor/ui/qt/pasted_text.h"

#include <QInputMethodEvent>
#include <QRegularExpression>

#include "editor/ui/qt/input_line.h"

namespace brolt::editor {

QString SiftPastedText(const QString& text, bool oneLine) {
  static const QRegularExpression kLineBreak(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
  QString sifted = text;
  sifted.replace(kLineBreak, oneLine ? QStringLiteral(" ") : QStringLiteral("\n"));
  sifted.removeIf([oneLine](QChar character) {
    const bool kept = !oneLine && (character == QLatin1Char('\n') || character == QLatin1Char('\t'));
    const bool control = character.unicode() < 0x20 || (character.unicode() >= 0x7F && character.unicode() < 0xA0);
    return !IsSingleByte(character) || (control && !kept);
  });
  return sifted;
}

QString TakeCommittedText(QInputMethodEvent& event) {
  const QString committed = event.commitString();
  event.setCommitString(QString(), event.replacementStart(), event.replacementLength());
  return committed;
}

}  // namespace brolt::editor
