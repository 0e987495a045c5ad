#pragma once
// The state of the drag tools, the selection marquee, the clipboard and paste mode.
#include <array>
#include <cstdint>

#include "editor/model/canvas/map_cell.h"

namespace brolt::editor {

struct SelectionState {
  bool ToolDragActive = false;
  std::int16_t DragStartX = 0;
  std::int16_t DragStartY = 0;
};

struct ClipboardState {
  LevelMap Clipboard{};  // copied cells at their map positions; TileCode -1 where nothing was copied
  bool ClipboardFilled = false;
  // The bounds of the copied cells, and the cell that lands on the pointer's cell when placed.
  std::int16_t ClipboardLeft = 0;
  std::int16_t ClipboardTop = 0;
  std::int16_t ClipboardRight = 0;
  std::int16_t ClipboardBottom = 0;
  std::int16_t ClipboardCentreX = 0;
  std::int16_t ClipboardCentreY = 0;
  bool PasteMode = false;
  std::int16_t PasteCellX = -1;
  std::int16_t PasteCellY = -1;
};

}  // namespace brolt::editor
