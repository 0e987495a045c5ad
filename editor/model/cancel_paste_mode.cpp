#include "editor/model/cancel_paste_mode.h"

namespace brolt::editor {

// Completed later with the paste preview and the menus of paste mode.
void CancelPasteMode(Editor& editor) { editor.clipboard.PasteMode = false; }

}  // namespace brolt::editor
