#pragma once
// Places every selection marker on its cell at the current zoom.
#include "editor/model/editor.h"

namespace brolt::editor {

void DrawSelectionBoxes(Editor& editor);

}  // namespace brolt::editor
