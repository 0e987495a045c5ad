#pragma once
// The status bar's description of the pointer's cell: its tile (with code and direction digit in
// developer mode), its column and row, and the current tool.
#include "editor/model/editor.h"

namespace brolt::editor {

// Writes fields 1, 2, 3 and 0 for the cell at (MouseX, MouseY). Beyond the canvas only the column
// and row are written, as "Col: ?" and "Row: ?".
void UpdateStatusBar(Editor& editor);

}  // namespace brolt::editor
