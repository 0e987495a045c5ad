#pragma once
// Shows the marker of every selected cell and hides the others.
#include "editor/model/editor.h"

namespace brolt::editor {

void ShowSelectionMarks(Editor& editor);

}  // namespace brolt::editor
