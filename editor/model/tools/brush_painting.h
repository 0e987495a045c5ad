#pragma once
// The brush engine: every tool writes tiles into the level through PlaceTile, which applies the
// overwrite switch, the saturation, the unique-tile rule and the Space eraser, and redraws each
// changed cell at once. Recording the undo step is the caller's work.
#include "editor/model/editor.h"

namespace brolt::editor {

// The tile a mouse button paints, with its direction.
struct PaintingTile {
  int code = 0;
  int direction = 0;
};
PaintingTile ButtonTile(const ToolState& tools, bool rightButton);

// Space held on the canvas turns every painting call into erasing.
bool IsErasing(const Editor& editor);

// A tile that a level holds at most once, such as the Thresher.
bool IsUniqueTile(const Editor& editor, int code);

// Whether painting `code` may write cell (x, y) of the level: an empty cell always, an occupied one only with
// Overwrite on, when painting the empty tile, or when erasing.
bool MayPaintOver(const Editor& editor, int x, int y, int code);

// Empties every cell holding `code`; returns how many were emptied.
int RemoveTileCopies(Editor& editor, int code);

// Paints at cell (column, row) with the primary tile, or the secondary one for the right button:
// the brush square around the cell, or the cell alone when `oneCell` (replacing whatever it holds).
// A unique tile is always placed on the one cell, after its other copy is removed.
void PlaceTile(Editor& editor, int column, int row, bool oneCell, bool rightButton);

}  // namespace brolt::editor
