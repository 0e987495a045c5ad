#pragma once
// The minimap's viewport box follows the pointer while the designer drags it.
#include "editor/model/editor.h"

namespace brolt::editor {

// Centres the viewport box on minimap pixel (x, y), snapped to whole cells and kept on the minimap;
// writes the box's corner back into x and y and shows its column and row in the status bar.
void ShowMiniLevelPos(Editor& editor, float& x, float& y);

}  // namespace brolt::editor
