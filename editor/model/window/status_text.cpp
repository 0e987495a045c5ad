#include "editor/model/window/status_text.h"

namespace brolt::editor {

void ShowStatusText(Editor& editor, std::string_view text, int index, bool bold, bool italic, std::int32_t colour) {
  editor.ui.window->ShowStatusText(text, index, bold, italic, colour);
}

}  // namespace brolt::editor
