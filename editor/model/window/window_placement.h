#pragma once
// Where the main window opens: the stored placement, centred when the preference asks for it, and
// always kept on the screen that is available, so that a placement saved on a larger screen never
// opens the window out of reach.
#include "editor/model/services/preferences.h"

namespace brolt::editor {

struct ScreenArea {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

WindowPlacement PlaceOnScreen(const WindowPlacement& stored, bool centre, const ScreenArea& screen);

}  // namespace brolt::editor
