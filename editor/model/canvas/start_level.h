#pragma once
// The level the editor opens with, before any level is created or opened.
#include "editor/model/editor.h"

namespace brolt::editor {

// One selection marker per level cell, numbered 1 + 50 x + y (cell (0, 0) has marker 1, cell
// (49, 49) marker 2500). Marker 0 and the 51st column and row serve no cell.
void NumberSelectionMarkers(LevelMap& map);

// Black level colours, no slot in a collection yet, and the blank map stored as the undo ring's
// first state, so that the first edit can be undone back to it. The level is not marked changed.
void PrepareStartLevel(Editor& editor);

}  // namespace brolt::editor
