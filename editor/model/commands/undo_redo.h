#pragma once
// Undo and Redo: step back and forth through the states the undo ring keeps and put the state
// reached back on the canvas. Undo stops at the oldest state kept, Redo at the newest; neither records
// a state nor changes whether the level counts as saved.
#include "editor/model/editor.h"

namespace brolt::editor {

// Returns whether a state was restored.
bool Undo(Editor& editor);
bool Redo(Editor& editor);

}  // namespace brolt::editor
