#pragma once
// Hides the brush outline over the canvas before the view moves.
#include "editor/model/editor.h"

namespace brolt::editor {

void HideSelector(Editor& editor);

}  // namespace brolt::editor
