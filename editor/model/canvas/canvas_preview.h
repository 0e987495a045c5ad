#pragma once
// What the canvas draws over the level: the brush outline, the marquee, the box outlines, the line
// being dragged, the selection markers and paste mode's tip. The tools keep this geometry in cells;
// the canvas turns it into pixels at its own zoom.
#include <array>
#include <cstdint>

#include "editor/model/canvas/map_cell.h"

namespace brolt::editor {

// A block of cells, both ends included.
struct CellBox {
  std::int16_t Left = 0;
  std::int16_t Top = 0;
  std::int16_t Right = 0;
  std::int16_t Bottom = 0;
  bool Visible = false;

  bool Contains(int x, int y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
};

// A shown box of the one cell (x, y).
inline CellBox OneCellBox(int x, int y) {
  const auto column = static_cast<std::int16_t>(x);
  const auto row = static_cast<std::int16_t>(y);
  return CellBox{column, row, column, row, true};
}

struct CanvasPreview {
  CellBox BrushOutline;   // the brush square under the pointer
  CellBox Marquee;        // the selector's rubber band
  CellBox SquareOutline;  // the rectangle being dragged
  CellBox SquareInner;    // the interior an outlined rectangle leaves untouched
  // The guide bands through the pointer's cell or the brush square, across the whole level, and the
  // outline of the cell the S key picks a tile from.
  CellBox GuideRow;
  CellBox GuideColumn;
  CellBox PickOutline;
  // The line being dragged, from the pressed cell to the pointer's cell; never drawn itself, its
  // cells are shown through the selection markers.
  std::int16_t LineStartX = 0;
  std::int16_t LineStartY = 0;
  std::int16_t LineEndX = 0;
  std::int16_t LineEndY = 0;
  // Paste mode's hint beside the pointer over the canvas (tipLabel), at MouseX, MouseY.
  bool PasteTipShown = false;
  // One outline per level cell, [x][y]. Shown exactly for the selected cells, except while the paste
  // preview or a line drag borrows them.
  std::array<std::array<bool, kLevelSize>, kLevelSize> MarkerShown{};
  // The pointers last set on the canvas and on the minimap (11 hourglass, 0 default, 1 arrow, 2 cross,
  // 5 size-all).
  std::int16_t CanvasPointer = 0;
  std::int16_t MinimapPointer = 0;
  // The pulsing outline on the first Thresher, its colour (0xBBGGRR), the main window timer's tick
  // count (0 on every sixth tick) and the pulse phase, -4..5, whose absolute value picks the colour.
  CellBox PlayerMarker;
  std::int32_t PlayerMarkerColour = 0;
  std::int16_t TimerTick = 0;
  std::int16_t PulsePhase = 0;

  bool& Marker(int x, int y) { return MarkerShown[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }
  bool Marker(int x, int y) const { return MarkerShown[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }
};

}  // namespace brolt::editor
