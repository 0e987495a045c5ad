#pragma once
// The main window's keyboard, seen before the focused control: digits choose tools, + and - zoom,
// arrows scroll for as long as they are held, Page Up and Page Down step through the collection,
// and Space or S held turn the mouse into an eraser or a tile picker until released.
#include "editor/model/editor.h"

namespace brolt::editor {

// The platform's virtual key codes that the shortcuts use.
namespace key {
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kCtrl = kCtrlKey;
constexpr int kAlt = 18;
constexpr int kEscape = 27;
constexpr int kSpace = kSpaceKey;
constexpr int kPageUp = 33;
constexpr int kPageDown = 34;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kDelete = 46;
constexpr int kDigit1 = 49;
constexpr int kDigit7 = 55;
constexpr int kLetterS = kPickKey;
constexpr int kF12 = 123;
constexpr int kEquals = 187;  // = and + of the main keyboard
constexpr int kComma = 188;
constexpr int kMinus = 189;  // - of the main keyboard
constexpr int kPeriod = 190;
constexpr int kBacktick = 192;  // the key left of 1: drops the level list down
constexpr int kOther = 255;     // any key the shortcuts give no meaning
}  // namespace key

// A key went down, or is repeated while held.
void KeyDown(Editor& editor, int keyCode);

// Whether the key is Page Up or Page Down arriving while one of them is still stepping to a level:
// such presses are dropped, by KeyDown and before any control sees them, so that a held key opens
// one level at a time, each fully open before the next.
bool DropsLevelStepKey(const Editor& editor, int keyCode);

// A key was really released (the platform's auto-repeat releases never reach here).
void KeyUp(Editor& editor, int keyCode);

}  // namespace brolt::editor
