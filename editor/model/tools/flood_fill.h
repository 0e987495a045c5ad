#pragma once
// The fill tool and the fill commands: the 4-connected region of like cells around the pointer's
// cell, or every selected cell, painted cell by cell through PlaceTile. The caller records the undo
// step.
#include <array>

#include "editor/model/editor.h"

namespace brolt::editor {

using CellMarks = std::array<std::array<bool, kLevelSize>, kLevelSize>;

// The level cells 4-connected to the seed through cells of the seed's tile, in any direction. Found
// with an explicit work list, so no region is too large for the call stack.
CellMarks FindFillRegion(const LevelMap& map, int seedX, int seedY);

// Fills with the secondary tile or the primary one; the selection when `selectionMode` or when the
// pointer's cell is selected, otherwise the region around the pointer's cell.
void FillArea(Editor& editor, bool secondary, bool selectionMode);

}  // namespace brolt::editor
