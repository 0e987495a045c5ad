#include "editor/ui/qt/key_codes.h"

#include "editor/model/window/keyboard_shortcuts.h"

namespace brolt::editor {

namespace {

int MainKeyboardCode(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;  // '0'..'9' are 48..57 in both
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // 'A'..'Z' are 65..90 in both
  switch (qtKey) {
    case Qt::Key_Equal:
    case Qt::Key_Plus: return key::kEquals;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return key::kMinus;
    case Qt::Key_Comma:
    case Qt::Key_Less: return key::kComma;
    case Qt::Key_Period:
    case Qt::Key_Greater: return key::kPeriod;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return key::kBacktick;
    default: return key::kOther;
  }
}

}  // namespace

int VirtualKeyCode(const QKeyEvent& event) {
  const int qtKey = event.key();
  switch (qtKey) {
    case Qt::Key_Backspace: return key::kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return key::kEnter;
    case Qt::Key_Shift: return key::kShift;
    case Qt::Key_Control: return key::kCtrl;
    case Qt::Key_Alt: return key::kAlt;
    case Qt::Key_Escape: return key::kEscape;
    case Qt::Key_Space: return key::kSpace;
    case Qt::Key_PageUp: return key::kPageUp;
    case Qt::Key_PageDown: return key::kPageDown;
    case Qt::Key_Left: return key::kLeft;
    case Qt::Key_Up: return key::kUp;
    case Qt::Key_Right: return key::kRight;
    case Qt::Key_Down: return key::kDown;
    case Qt::Key_Delete: return key::kDelete;
    case Qt::Key_F12: return key::kF12;
    default: break;
  }
  if (event.modifiers().testFlag(Qt::KeypadModifier)) return key::kOther;
  return MainKeyboardCode(qtKey);
}

}  // namespace brolt::editor
