#pragma once
// The outlined rectangle and the filled rectangle: press, drag with a live outline, release to paint.
// The outlined rectangle's border is as many cells thick as the size bar's value.
#include "editor/model/editor.h"

namespace brolt::editor {

void BeginSquareTool(Editor& editor);
void DragSquareTool(Editor& editor);
// Paints the covered cells with the button's tile and records one undo step.
void ApplySquareTool(Editor& editor, bool secondary);
// True when a second press cancelled a rectangle drag; the press is then consumed.
bool ResetSquareTool(Editor& editor);

}  // namespace brolt::editor
