#pragma once
// Starting a new, empty level in place of the one being edited.
#include "editor/model/editor.h"

namespace brolt::editor {

void NewLevel(Editor& editor);

}  // namespace brolt::editor
