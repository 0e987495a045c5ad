#pragma once
// Recording an undo step after every edit of the map, and the tile counter it keeps up to date.
#include "editor/model/editor.h"

namespace brolt::editor {

// Recounts the tile counter, marks the level changed and stores the map as the ring's newest state.
void RecordUndo(Editor& editor);

// The number of level cells holding CounterTile; counting the unid (21) counts the gold unid gnat (8)
// and the armoured unid (22) too. Shows the count in the main window's counter.
int CountTiles(Editor& editor);

// Makes `tile` the counted tile and shows its picture, name and count.
void SetCounterTile(Editor& editor, int tile);

}  // namespace brolt::editor
