#pragma once
// The state of the drag tools, the selection marquee, the clipboard and paste mode.
#include <cstdint>

#include "editor/model/map_cell.h"

namespace brolt::editor {

struct SelectionState {
  bool ToolDragActive = false;
  std::int16_t DragStartX = 0;
  std::int16_t DragStartY = 0;
};

struct ClipboardState {
  LevelMap Clipboard{};
  bool Filled = false;
  bool PasteMode = false;
  std::int16_t PasteCellX = -1;
  std::int16_t PasteCellY = -1;
};

}  // namespace brolt::editor
