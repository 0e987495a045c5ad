#include "editor/model/clear_selection.h"

namespace brolt::editor {

// Completed later with the rest of the selection.
void ClearSelection(Editor& editor, bool keep) {
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      MapCell& cell = editor.level.Cell(x, y);
      if (!cell.Selected) continue;
      editor.selection.MarkerVisible[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = false;
      if (!keep) cell.Selected = false;
    }
  }
  editor.ui.canvas->RedrawSelection();
}

}  // namespace brolt::editor
