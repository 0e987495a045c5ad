#include "editor/ui/input_box_window.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include "editor/model/editor.h"
#include "editor/support/modal_script.h"
#include "editor/ui/input_line.h"

namespace brolt::editor {
namespace {

using Keys = std::function<void(InputBoxWindow&)>;

// Types the keys ("\b" for Backspace) over the selected default text, or after it with `atEnd`,
// then presses `finish`.
Keys Typing(const QString& keys, Qt::Key finish = Qt::Key_Return, bool atEnd = false) {
  return [keys, finish, atEnd](InputBoxWindow& box) {
    if (atEnd) QTest::keyClick(box.Line(), Qt::Key_End);
    for (QChar key : keys) {
      if (key == QLatin1Char('\b')) {
        QTest::keyClick(box.Line(), Qt::Key_Backspace);
        continue;
      }
      // QTest types ASCII only; other characters arrive as a keyboard with them would send them.
      QTest::sendKeyEvent(QTest::Click, box.Line(), Qt::Key_unknown, QString(key), {});
    }
    QTest::keyClick(box.Line(), finish);
  };
}

Keys TypingAtEnd(const QString& keys) { return Typing(keys, Qt::Key_Return, true); }

struct InputCase {
  const char* name;
  std::string defaultText;
  int maxLength;
  Keys keys;
  std::string answer;
};

TEST(InputBoxWindow, TypingGoesThroughTheModeOfTheDefaultText) {
  const InputCase cases[] = {
      {"number prefix in any case", "[nUm]12", 0, TypingAtEnd("3a-4. "), "1234"},
      {"the default is selected and typed over", "[NUM]12", 0, Typing("7"), "7"},
      {"proper capitalises words", "[PROPER]my level", 0, TypingAtEnd(" x-y"), "my level X-Y"},
      {"file builds the name", "[FILE]", 0, Typing("ab"), "Ab.lvl"},
      {"file refuses a separator", "[file]", 0, Typing("a/b"), "Ab.lvl"},
      {"file refuses a lone dot", "[FILE]", 0, Typing("."), ""},
      {"free text", "", 0, Typing("a/b"), "a/b"},
      {"characters beyond single bytes are refused", "", 0, Typing(QString::fromUtf8("a\u20ACb\u00E9")), "ab\xE9"},
      {"the caller's limit", "", 3, Typing("abcd"), "abc"},
      {"cancel forgets the text", "", 0, Typing("typed", Qt::Key_Escape), ""},
      {"ok on an empty box", "", 0, Typing(""), ""},
      {"backspace", "[NUM]123", 0, TypingAtEnd("\b"), "12"},
      {"file: backspace passes beyond the length", "[FILE]" + std::string(32, 'x') + ".lvl", 0,
       [](InputBoxWindow& box) {
         box.Line()->setCursorPosition(32);
         Typing("y\b", Qt::Key_Return)(box);
       },
       std::string(31, 'x') + ".lvl"},
  };
  Editor editor;
  InputBoxWindow box(editor);
  for (const InputCase& c : cases) {
    testing::WhenModalShown([&](QWidget*) { c.keys(box); });
    EXPECT_EQ(box.Ask("Level title:", c.defaultText, c.maxLength), c.answer) << c.name;
  }
}

TEST(InputBoxWindow, CancelAndTheCloseBoxAnswerNothingAndOkAnswersTheText) {
  Editor editor;
  InputBoxWindow box(editor);
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { QTest::mouseClick(box.CancelButton(), Qt::LeftButton); }, ""},
      {[&] { box.close(); }, ""},
      {[&] { QTest::mouseClick(box.OkButton(), Qt::LeftButton); }, "Kept"},
  };
  for (const auto& [finish, answer] : cases) {
    testing::WhenModalShown([&](QWidget*) { finish(); });
    EXPECT_EQ(box.Ask("Name:", "Kept", 0), answer);
  }
}

TEST(InputBoxWindow, PastedTextIsTypedThroughTheMode) {
  Editor editor;
  InputBoxWindow box(editor);
  QApplication::clipboard()->setText(QStringLiteral("4x2-0\nsecond line"));
  testing::WhenModalShown([&](QWidget*) {
    QTest::keyClick(box.Line(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box.Line(), Qt::Key_Return);
  });
  EXPECT_EQ(box.Ask("Saturation:", "[NUM]", 3), "420");
}

TEST(InputBoxWindow, DeveloperModeTakesWholeFileNames) {
  Editor editor;
  editor.DeveloperMode = true;
  InputBoxWindow box(editor);
  testing::WhenModalShown([&](QWidget*) { Typing("ab.clvl")(box); });
  EXPECT_EQ(box.Ask("File name:", "[FILE]", 0), "Ab.clvl");
}

}  // namespace
}  // namespace brolt::editor
