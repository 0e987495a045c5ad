#include "editor/model/tools/rotate_selection.h"

#include "editor/model/canvas/undo_recording.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/rotate_map_cell.h"
#include "editor/model/tools/selection_marks.h"

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
