#pragma once
// Leaves paste mode; does nothing outside it.
#include "editor/model/editor.h"

namespace brolt::editor {

void CancelPasteMode(Editor& editor);

}  // namespace brolt::editor
