#include "editor/model/show_selection_marks.h"

namespace brolt::editor {

// Completed later with the rest of the selection.
void ShowSelectionMarks(Editor& editor) {
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      editor.selection.MarkerVisible[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] =
          editor.level.Cell(x, y).Selected;
    }
  }
  editor.ui.canvas->RedrawSelection();
}

}  // namespace brolt::editor
