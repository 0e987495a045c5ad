#pragma once
// Turning the direction of one selected cell, as the rotate commands do for every cell of the level.
#include "editor/model/editor.h"

namespace brolt::editor {

// The turns of RotateMapCell's mode: a quarter turn clockwise, counter-clockwise, or a half turn.
// Any other mode keeps the direction and only redraws.
constexpr int kTurnClockwise = 0;
constexpr int kTurnCounterClockwise = -1;
constexpr int kTurnHalf = 2;

// When cell (x, y) is selected and its tile can turn, turns its Direction by `mode`, hides the
// brush outline and redraws the cell; returns whether it did. Cells outside the map are left alone.
bool RotateMapCell(Editor& editor, int x, int y, int mode);

}  // namespace brolt::editor
