#pragma once
// The canvas view: zoom, the first visible cell and the re-entry guard of view changes.
#include <cstdint>

namespace brolt::editor {

struct ViewState {
  float TileSize = 20;             // pixels per cell
  std::int32_t LevelExtent = 1000;  // TileSize x 50, rounded half to even
  std::int16_t ViewX = 0;           // first visible column
  std::int16_t ViewY = 0;           // first visible row
  bool ViewChanging = false;        // true while SetZoom, RedrawLevel or ScrollTo runs
  int ViewportWidth = 0;            // size of the canvas viewport in pixels, set by the window
  int ViewportHeight = 0;
};

}  // namespace brolt::editor
