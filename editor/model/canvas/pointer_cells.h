#pragma once
// The cells under the mouse, as the tools read them from the canvas pixels the main window stores.
#include "editor/model/canvas/canvas_preview.h"
#include "editor/model/editor.h"

namespace brolt::editor {

struct CellPosition {
  int x = 0;
  int y = 0;
  bool operator==(const CellPosition&) const = default;
};

// The cell holding the pointer (MouseX, MouseY).
CellPosition PointerCell(const Editor& editor);

// Stores the corner of the pointer's cell as the start of a marquee or box drag.
void StartDragAtPointer(Editor& editor);

// The cells from the drag's start cell to the pointer's cell, both included, whichever way the drag
// went. The pointer's cell is taken one pixel right of and below the pointer, so the last pixel of a
// cell already reaches into the next one.
CellBox DragBox(const Editor& editor);

}  // namespace brolt::editor
