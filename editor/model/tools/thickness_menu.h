#pragma once
// The thickness menu by tool: brush widths for the brush and the selector, outline thicknesses
// for the rectangle, nothing for the other tools.
#include "editor/model/window/window_controls.h"

namespace brolt::editor {

// The items for the current tool, the brush-size bar's value and its maximum; the item that matches
// the value is checked and gives the label.
ThicknessMenu BuildThicknessMenu(int tool, int sizeValue, int sizeMax);

}  // namespace brolt::editor
