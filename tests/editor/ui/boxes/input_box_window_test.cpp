#include "editor/ui/boxes/input_box_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include "editor/model/editor.h"
#include "editor/support/keyboard_focus.h"
#include "editor/support/modal_script.h"
#include "editor/ui/qt/input_line.h"

namespace brolt::editor {
namespace {

using Keys = std::function<void(InputBoxWindow&)>;

// Types the keys ("\b" for Backspace, "\x16" for Ctrl+V) over the selected default text, or after it with `atEnd`,
// then presses `finish`.
Keys Typing(const QString& keys, Qt::Key finish = Qt::Key_Return, bool atEnd = false) {
  return [keys, finish, atEnd](InputBoxWindow& box) {
    if (atEnd) QTest::keyClick(box.Line(), Qt::Key_End);
    // QTest types ASCII only; other characters arrive as a keyboard with them would send them.
    for (QChar key : keys) {
      if (key == u'\b') QTest::keyClick(box.Line(), Qt::Key_Backspace);
      else if (key == u'\x16') QTest::keyClick(box.Line(), Qt::Key_V, Qt::ControlModifier);
      else QTest::sendKeyEvent(QTest::Click, box.Line(), Qt::Key_unknown, QString(key), {});
    }
    QTest::keyClick(box.Line(), finish);
  };
}

// Types over the default text, then Tab to a button and Return on it.
Keys TypingThenReturnOn(QPushButton* (InputBoxWindow::*button)() const) {
  return [button](InputBoxWindow& box) {
    QTest::keyClicks(box.Line(), "typed");
    EXPECT_TRUE(testing::TabTo(box, (box.*button)()));
    testing::PressKey(box, Qt::Key_Return);
  };
}

// The rules of each mode are the model's; these cases check that the box's line follows them.
TEST(InputBoxWindow, TypingPastingAndTheButtonsGiveTheAnswer) {
  struct Case {
    const char* name;
    std::string defaultText;
    int maxLength;
    Keys keys;
    std::string answer;
    bool developer = false;
  };
  const Case cases[] = {
      {"number prefix in any case", "[nUm]12", 0, Typing("3a-4.\b ", Qt::Key_Return, true), "123"},
      {"the default is selected and typed over", "[PROPER]my level", 0, Typing("x-y"), "X-Y"},
      {"file builds the name", "[FILE]", 0, Typing("ab"), "Ab.lvl"},
      {"file backspace passes without the extension", "[FILE]abc", 0, Typing("\b", Qt::Key_Return, true), "ab"},
      {"developer file names are whole", "[FILE]", 0, Typing("ab.clvl"), "Ab.clvl", true},
      {"characters beyond single bytes are refused", "", 0, Typing(QString::fromUtf8("a\u20ACb\u00E9")), "ab\xE9"},
      {"the caller's limit", "", 3, Typing("abcd"), "abc"},
      {"pasted text goes through the mode", "[NUM]", 3, Typing("\x16"), "420"},
      {"escape forgets the text", "Kept", 0, Typing("typed", Qt::Key_Escape), ""},
      {"cancel button", "Kept", 0, [](InputBoxWindow& b) { QTest::mouseClick(b.CancelButton(), Qt::LeftButton); }, ""},
      {"close box", "Kept", 0, [](InputBoxWindow& box) { box.close(); }, ""},
      {"ok button", "Kept", 0, [](InputBoxWindow& b) { QTest::mouseClick(b.OkButton(), Qt::LeftButton); }, "Kept"},
      {"return on the ok button", "Kept", 0, TypingThenReturnOn(&InputBoxWindow::OkButton), "typed"},
      {"return on the cancel button", "Kept", 0, TypingThenReturnOn(&InputBoxWindow::CancelButton), ""},
  };
  QApplication::clipboard()->setText(QStringLiteral("4x2-0\nsecond line"));
  Editor editor;
  InputBoxWindow box(editor);
  for (const Case& c : cases) {
    editor.DeveloperMode = c.developer;
    testing::WhenModalShown([&](QWidget*) { c.keys(box); });
    EXPECT_EQ(box.Ask("Level title:", c.defaultText, c.maxLength), c.answer) << c.name;
  }
}

// The line the designer types into stands inside the box, below the prompt and above the buttons.
TEST(InputBoxWindow, TheLineStandsBetweenThePromptAndTheButtons) {
  Editor editor;
  InputBoxWindow box(editor);
  testing::WhenModalShown([&](QWidget*) {
    const QRect line = box.Line()->geometry();
    EXPECT_TRUE(box.rect().contains(line));
    for (const QLabel* label : box.findChildren<QLabel*>())
      if (label->isVisible() && !label->text().isEmpty()) EXPECT_LT(label->geometry().top(), line.top());
    for (const QPushButton* button : {box.OkButton(), box.CancelButton()})
      EXPECT_GT(button->geometry().top(), line.bottom());
    EXPECT_GT(line.width(), box.width() * 3 / 4);
    box.reject();
  });
  box.Ask("Level title:", "Kept", 0);
}

}  // namespace
}  // namespace brolt::editor
