#pragma once
// The editor's message box as the rules see it: the buttons of each set, the answer a close gives,
// and ShowMessageBox over the Dialogs interface.
#include <array>
#include <string_view>

#include "editor/model/services/dialogs.h"

namespace brolt::editor {

struct Editor;

// The three places of the button row, left to right; a button's index is the answer it gives.
// An empty caption is a hidden button.
struct ButtonLayout {
  std::array<std::string_view, 3> captions;
  int defaultButton = 1;  // pressed by Enter
  int cancelButton = 2;   // pressed by Escape; hidden in the "OK" set
};

ButtonLayout ButtonLayoutFor(ButtonSet buttons);

// The answer when the box is closed without a button: Escape or the window's close box. With a
// single "OK" that is OK itself, otherwise the set's Cancel (or No) button.
int CloseAnswer(ButtonSet buttons);

// Shows a message with a button set and, for a non-empty key, a help button; returns the index of
// the button pressed.
int ShowMessageBox(Editor& editor, std::string_view message, ButtonSet buttons, std::string_view helpKey);

}  // namespace brolt::editor
