#pragma once
// The minimap as a way to move around: a left press or drag puts the viewport box on the pointed
// cell and the canvas follows; a right click opens the minimap's help.
#include "editor/model/editor.h"
#include "editor/model/window/canvas_mouse.h"

namespace brolt::editor {

// Positions in minimap pixels, 3 a cell; buttons 1 left, 2 right, 4 middle.
void MiniLevelMouseDown(Editor& editor, int button, float x, float y);
void MiniLevelMouseMove(Editor& editor, float x, float y);
void MiniLevelMouseUp(Editor& editor, int button, float x, float y);

}  // namespace brolt::editor
