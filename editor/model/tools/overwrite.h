#pragma once
// Whether painting and pasting replace occupied cells; the tool panel's check box and the Tools
// menu's item always show the same state.
#include "editor/model/editor.h"

namespace brolt::editor {

// Sets the flag and its preference copy, and shows it on both controls.
void SetOverwrite(Editor& editor, bool on);

}  // namespace brolt::editor
