#pragma once
// Whole-level selections and the two commands that empty cells.
#include "editor/model/editor.h"

namespace brolt::editor {

// Selects every cell, or with `tilesOnly` every non-empty cell.
void SelectAllTiles(Editor& editor, bool tilesOnly);
// Selects every level cell that is not selected and deselects the others.
void InvertSelection(Editor& editor);
// Selects exactly the cells holding the primary tile, or the secondary one.
void SelectTilesLikeButton(Editor& editor, bool secondary);
// Selects exactly the cells holding the tile under the pointer.
void SelectTilesLikeCell(Editor& editor);

// Empties the selected cells, or every cell of the level, records an undo step (also when nothing
// changed) and clears the selection.
void DeleteSelected(Editor& editor);
void ClearLevel(Editor& editor);

}  // namespace brolt::editor
