#pragma once
// The tile catalogue is read once at start-up from table Tileset of the definitions database: one
// row per tile type, in the order the palette shows them.
#include "editor/model/editor.h"

namespace brolt::editor {

// Fills editor.tiles (TileDefs and the palette order) from table Tileset of editor.DefineDb.
// A row that can't describe a tile (a code outside 0..999, a code already taken, a field without
// a value) is left out with a warning on standard error. Throws DatabaseError when no usable row
// remains, since the editor can paint nothing without tiles, and for a missing table or field.
void LoadTileDefinitions(Editor& editor);

}  // namespace brolt::editor
