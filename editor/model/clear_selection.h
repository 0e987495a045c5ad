#pragma once
// Hides the marker of every selected cell and, unless `keep`, unselects it.
#include "editor/model/editor.h"

namespace brolt::editor {

void ClearSelection(Editor& editor, bool keep);

}  // namespace brolt::editor
