#pragma once
// The cursor over the canvas: the pointer position held to the cells in view and inside the level,
// and the brush square with its two guide bands on the cells the next paint will touch.
#include "editor/model/editor.h"

namespace brolt::editor {

// Holds MouseX and MouseY to the whole cells the viewport shows and to the level, so that a drag
// leaving the viewport keeps working on the last cell in view.
void SetBoundries(Editor& editor);

// Places the brush square and the guide bands for the current tool, brush size and pointer; the
// selector shows none of them. Repaints the overlays only when something moved.
void MoveBrush(Editor& editor);

}  // namespace brolt::editor
