#pragma once
// The state of the drag tools, the selection marquee, the clipboard and paste mode.
#include <array>
#include <cstdint>

#include "editor/model/map_cell.h"

namespace brolt::editor {

struct SelectionState {
  bool ToolDragActive = false;
  std::int16_t DragStartX = 0;
  std::int16_t DragStartY = 0;
  // The marker of each level cell, [x][y]: shown exactly when the cell is selected, except while
  // the paste and line previews borrow the markers.
  std::array<std::array<bool, kLevelSize>, kLevelSize> MarkerVisible{};
};

struct ClipboardState {
  LevelMap Clipboard{};
  bool Filled = false;
  bool PasteMode = false;
  std::int16_t PasteCellX = -1;
  std::int16_t PasteCellY = -1;
};

}  // namespace brolt::editor
