// The keys a designer presses, as the codes the shortcuts act on: the digits choose tools, = and -
// zoom, the keypad's copies of them do nothing.
#include "editor/ui/qt/key_codes.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

#include "editor/model/window/keyboard_shortcuts.h"

namespace brolt::editor {
namespace {

TEST(KeyCodes, EachKeyGivesTheCodeItsShortcutListensFor) {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int code;
  } cases[] = {
      {Qt::Key_0, Qt::NoModifier, '0'},
      {Qt::Key_1, Qt::NoModifier, key::kDigit1},
      {Qt::Key_9, Qt::NoModifier, '9'},
      {Qt::Key_A, Qt::NoModifier, 'A'},
      {Qt::Key_S, Qt::ShiftModifier, key::kLetterS},
      {Qt::Key_Z, Qt::NoModifier, 'Z'},
      {Qt::Key_Equal, Qt::NoModifier, key::kEquals},
      {Qt::Key_Plus, Qt::ShiftModifier, key::kEquals},
      {Qt::Key_Minus, Qt::NoModifier, key::kMinus},
      {Qt::Key_Underscore, Qt::ShiftModifier, key::kMinus},
      {Qt::Key_Comma, Qt::NoModifier, key::kComma},
      {Qt::Key_Greater, Qt::ShiftModifier, key::kPeriod},
      {Qt::Key_QuoteLeft, Qt::NoModifier, key::kBacktick},
      {Qt::Key_Slash, Qt::NoModifier, key::kOther},
      {Qt::Key_BracketLeft, Qt::NoModifier, key::kOther},
      {Qt::Key_F1, Qt::NoModifier, key::kOther},
      {Qt::Key_Plus, Qt::KeypadModifier, key::kOther},
      {Qt::Key_1, Qt::KeypadModifier, key::kOther},
      {Qt::Key_Return, Qt::NoModifier, key::kEnter},
      {Qt::Key_Enter, Qt::KeypadModifier, key::kEnter},
      {Qt::Key_PageDown, Qt::NoModifier, key::kPageDown},
      {Qt::Key_F12, Qt::NoModifier, key::kF12},
  };
  for (const auto& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
    EXPECT_EQ(VirtualKeyCode(event), c.code) << QKeySequence(c.key).toString().toStdString();
  }
}

}  // namespace
}  // namespace brolt::editor
