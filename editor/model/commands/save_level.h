#pragma once
// Saving the level being edited into its slot of a collection, through the save dialog when it has
// no slot yet, when its slot can't be written straight, or when the designer asks to save as.
#include "editor/model/editor.h"

namespace brolt::editor {

// LevelSaved tells the caller whether the level was written.
void SaveLevel(Editor& editor, bool saveAs);

}  // namespace brolt::editor
