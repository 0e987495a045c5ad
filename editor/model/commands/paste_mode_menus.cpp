#include "editor/model/commands/paste_mode_menus.h"

namespace brolt::editor {

void EnterPasteModeMenus(Editor& editor) { editor.ui.window->ShowPasteModeMenus(true); }

void LeavePasteModeMenus(Editor& editor) { editor.ui.window->ShowPasteModeMenus(false); }

}  // namespace brolt::editor
