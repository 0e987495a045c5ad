#include "editor/model/rotate_selection.h"

#include "editor/model/paste_mode.h"
#include "editor/model/rotate_map_cell.h"
#include "editor/model/selection_marks.h"
#include "editor/model/undo_recording.h"

namespace brolt::editor {

void RotateSelection(Editor& editor, int mode) {
  if (ConfirmExitPasteMode(editor)) return;
  editor.ui.window->SetMousePointer(11);
  bool turned = false;
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      const MapCell& cell = editor.level.Cell(x, y);
      turned = turned || (cell.Selected && editor.tiles[cell.TileCode].Rotate);
      RotateMapCell(editor, x, y, mode);
    }
  }
  if (turned) RecordUndo(editor);
  ClearSelection(editor, false);
  editor.ui.window->SetMousePointer(0);
}

}  // namespace brolt::editor
