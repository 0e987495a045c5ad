#pragma once
// Takes the brush and box outlines off the canvas and blanks the status bar, as when the pointer
// leaves the canvas or the view moves under it.
#include "editor/model/editor.h"

namespace brolt::editor {

void HideSelector(Editor& editor);

}  // namespace brolt::editor
