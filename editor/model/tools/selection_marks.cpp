#include "editor/model/tools/selection_marks.h"

namespace brolt::editor {

void ClearSelection(Editor& editor, bool keep) {
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      MapCell& cell = editor.level.Cell(x, y);
      if (!cell.Selected) continue;
      editor.preview.Marker(x, y) = false;
      if (!keep) cell.Selected = false;
    }
  }
  editor.ui.canvas->RedrawSelection();
}

void ShowSelectionMarks(Editor& editor) {
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) editor.preview.Marker(x, y) = editor.level.Cell(x, y).Selected;
  }
  editor.ui.canvas->RedrawSelection();
}

void HideSelectionMarks(Editor& editor) {
  editor.preview.MarkerShown = {};
  editor.ui.canvas->RedrawSelection();
}

bool AnyCellSelected(const Editor& editor) {
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      if (editor.level.Cell(x, y).Selected) return true;
    }
  }
  return false;
}

}  // namespace brolt::editor
