#include "editor/model/canvas/canvas_redraw.h"

#include "editor/model/canvas/minimap.h"
#include "editor/model/canvas/mouse_pointer.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/tools/selection_marks.h"
#include "editor/model/tools/selection_marks.h"

namespace brolt::editor {

void RedrawLevel(Editor& editor) {
  editor.view.GridShown = editor.prefs.ShowGrid;
  editor.ui.canvas->RedrawLevel();
}

void DrawGrid(Editor& editor) {
  editor.view.GridShown = true;
  editor.ui.canvas->RedrawLevel();
}

void ClearGrid(Editor& editor) {
  editor.view.GridShown = false;
  editor.ui.canvas->RedrawLevel();
}

void ShowGridLines(Editor& editor, bool shown) {
  BusyPointer busy(editor);
  if (shown) DrawGrid(editor);
  else ClearGrid(editor);
  editor.prefs.ShowGrid = shown;
  editor.ui.window->CheckGridMenuItem(shown);
}

void RedrawChangedCells(Editor& editor, int slot) {
  if (slot < 0 || slot >= static_cast<int>(editor.undo.UndoBuffer.size())) return;
  SetMousePointer(editor, kHourglassPointer);
  ClearSelection(editor, false);
  const UndoSnapshot& snapshot = editor.undo.UndoBuffer[static_cast<std::size_t>(slot)];
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      const std::int16_t code = snapshot.TileCode[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
      const std::int16_t direction = snapshot.Direction[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
      MapCell& cell = editor.level.Cell(x, y);
      if (cell.TileCode == code && cell.Direction == direction) continue;
      cell.TileCode = code;
      cell.Direction = direction;
      editor.ui.canvas->RedrawCell(x, y);
    }
  }
  CountTiles(editor);
  ShowSelectionMarks(editor);
  DrawMiniLevel(editor);
}

}  // namespace brolt::editor
