#pragma once
// The line tool: press, drag with the covered cells shown by the selection markers, release to paint.
// A line is one cell wide; a line of a unique tile, or of one cell, paints its start cell only.
#include <vector>

#include "editor/model/canvas/pointer_cells.h"
#include "editor/model/editor.h"

namespace brolt::editor {

// The cells of the line from (sx, sy) to (ex, ey), both ends included: one cell per column of a mostly
// horizontal line, one per row otherwise, the other coordinate rounded half to even.
std::vector<CellPosition> LineCells(int sx, int sy, int ex, int ey);

void BeginLineTool(Editor& editor);
void DragLineTool(Editor& editor);
// Paints the line with the button's tile and records one undo step.
void ApplyLineTool(Editor& editor, bool secondary);
// True when a press on the previewed line cancelled the drag; the press is then consumed.
bool CancelLineDrag(Editor& editor);

}  // namespace brolt::editor
