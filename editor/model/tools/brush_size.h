#pragma once
// The brush size: the size bar's value n gives a square brush 2n - 1 cells wide, and the outlined
// rectangle's thickness of n cells.
#include <string>

#include "editor/model/canvas/canvas_preview.h"
#include "editor/model/editor.h"

namespace brolt::editor {

int BrushWidth(const ToolState& tools);

// The brush square centred on a cell, moved inward so that it never reaches past the level's edges.
CellBox BrushSquareAround(const ToolState& tools, int column, int row);

// What the size bar's value n does for the tool, as the status bar tells it.
std::string BrushSizeHint(int tool, int size);

// Leaves paste mode, sets the size (at least 1) and tells the user what the bar now does.
void SetBrushSize(Editor& editor, int size);

}  // namespace brolt::editor
