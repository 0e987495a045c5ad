#include "editor/model/window/window_placement.h"

#include <algorithm>

namespace brolt::editor {

namespace {

// One axis: the size shrunk to fit, the start centred or moved inside the screen.
void FitAxis(int& start, int& size, bool centre, int screenStart, int screenSize) {
  size = std::clamp(size, 1, std::max(1, screenSize));
  if (centre) start = screenStart + (screenSize - size) / 2;
  start = std::clamp(start, screenStart, screenStart + std::max(0, screenSize - size));
}

}  // namespace

WindowPlacement PlaceOnScreen(const WindowPlacement& stored, bool centre, const ScreenArea& screen) {
  WindowPlacement placed = stored;
  FitAxis(placed.Left, placed.Width, centre, screen.Left, screen.Width);
  FitAxis(placed.Top, placed.Height, centre, screen.Top, screen.Height);
  return placed;
}

}  // namespace brolt::editor
