#pragma once
// The canvas view: zoom, the first visible cell and the re-entry guard of view changes.
#include <array>
#include <cstdint>

#include "editor/model/canvas/canvas_shapes.h"
#include "editor/model/canvas/map_cell.h"

namespace brolt::editor {

// A scroll bar of the view as the rules set it; its value is a cell column or row.
struct ScrollBarState {
  std::int16_t Value = 0;
  std::int16_t Max = 0;
  std::int16_t LargeChange = 1;
};

// One dot per level cell: its colour as 0xBBGGRR, 0 (black) for an empty cell.
using MiniDots = std::array<std::array<std::int32_t, kLevelSize>, kLevelSize>;

struct ViewState {
  float TileSize = 20;             // pixels per cell
  std::int32_t LevelExtent = 1000;  // TileSize x 50, rounded half to even
  std::int16_t ViewX = 0;           // first visible column
  std::int16_t ViewY = 0;           // first visible row
  bool ViewChanging = false;        // true while SetZoom, RedrawLevel or ScrollTo runs
  int ViewportWidth = 0;            // size of the canvas viewport in pixels, set by the window
  int ViewportHeight = 0;
  // What the canvas, its scroll bars and the minimap show.
  bool GridShown = false;        // the grid lines are drawn in GridDark with GridLight dots
  ScrollBarState ScrX;
  ScrollBarState ScrY;
  CanvasShape shpMiniSelect;     // the viewport box on the minimap, in minimap pixels
  MiniDots MiniLevel{};
};

}  // namespace brolt::editor
