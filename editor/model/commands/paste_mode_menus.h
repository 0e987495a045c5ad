#pragma once
// While paste mode lasts the menu bar shows only "Exit Paste Mode".
#include "editor/model/editor.h"

namespace brolt::editor {

void EnterPasteModeMenus(Editor& editor);
void LeavePasteModeMenus(Editor& editor);

}  // namespace brolt::editor
