#pragma once
// Procedures the tools call that belong to the view and to the level commands. Each has its final
// name and signature here; the view's conversions and the commands' bodies complete them later.
#include "editor/model/editor.h"

namespace brolt::editor {

// Swap the menus for the single "Exit Paste Mode" item and back; completed with the commands.
void EnterPasteModeMenus(Editor& editor);
void LeavePasteModeMenus(Editor& editor);

// Turns the selected cells; completed with the commands.
void RotateSelection(Editor& editor, int mode);

}  // namespace brolt::editor
