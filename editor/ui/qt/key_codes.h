#pragma once
// Qt's key events as the platform's virtual key codes that the keyboard shortcuts speak.
#include <QKeyEvent>

namespace brolt::editor {

// The keypad's digits, + and - get no code of the main keyboard's keys, so that they do nothing.
int VirtualKeyCode(const QKeyEvent& event);

}  // namespace brolt::editor
