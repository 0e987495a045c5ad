#pragma once
// The editor's own clipboard: copy and cut take the selected cells at their map positions and put the
// editor into paste mode.
#include "editor/model/editor.h"

namespace brolt::editor {

// Copies the selected cells, leaving out unique tiles so that a paste never adds a second one.
void CopySelection(Editor& editor);
// Takes the selected cells, unique tiles included, out of the level as one undo step.
void CutSelection(Editor& editor);

}  // namespace brolt::editor
