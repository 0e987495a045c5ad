#pragma once
// What the canvas shows of the map: the grid and the cells' pictures. The canvas paints them from
// the model; these procedures change what it shows and say what to repaint.
#include "editor/model/editor.h"

namespace brolt::editor {

// Repaints the whole canvas: the grid when ShowGrid is on, and every non-empty cell.
void RedrawLevel(Editor& editor);

// Shows the grid lines in GridDark with GridLight dots at the crossings.
void DrawGrid(Editor& editor);

// Paints the grid lines over in black: the grid disappears, the cells stay.
void ClearGrid(Editor& editor);

// The grid shown or hidden as the designer chose it, kept in the preferences.
void ShowGridLines(Editor& editor, bool shown);

// Brings the map to the state of an undo slot, repainting only the cells whose tile or direction
// differ; then clears the selection and refreshes the tile counter and the minimap. The pointer is
// left as the hourglass until the canvas next sets it. A slot the ring does not hold changes nothing.
void RedrawChangedCells(Editor& editor, int slot);

}  // namespace brolt::editor
