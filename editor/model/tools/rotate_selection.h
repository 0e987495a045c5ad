#pragma once
// Turning the direction of every selected tile that can turn.
#include "editor/model/editor.h"

namespace brolt::editor {

constexpr int kQuarterClockwise = 0;
constexpr int kQuarterCounterClockwise = -1;
constexpr int kHalfTurn = 2;

// Records an undo step only when a tile turned; the selection is cleared either way.
void RotateSelection(Editor& editor, int mode);

}  // namespace brolt::editor
