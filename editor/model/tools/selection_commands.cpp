#include "editor/model/tools/selection_commands.h"

#include "editor/model/canvas/minimap.h"
#include "editor/model/canvas/mouse_pointer.h"
#include "editor/model/canvas/pointer_cells.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/tools/selection_marks.h"

namespace brolt::editor {

namespace {

template <typename Rule>
void SelectWhere(Editor& editor, Rule selects) {
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      MapCell& cell = editor.level.Cell(x, y);
      cell.Selected = selects(cell);
    }
  }
  ShowSelectionMarks(editor);
}

void SelectTile(Editor& editor, int code) {
  SelectWhere(editor, [code](const MapCell& cell) { return cell.TileCode == code; });
}

void EmptyCells(Editor& editor, bool selectedOnly) {
  BusyPointer busy(editor);
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      MapCell& cell = editor.level.Cell(x, y);
      if (selectedOnly && !cell.Selected) continue;
      cell.TileCode = 0;
      cell.Direction = 0;
      DrawMiniTile(editor, x, y, 0, 0);
    }
  }
  editor.ui.canvas->RedrawLevel();
  RecordUndo(editor);
  ClearSelection(editor, false);
}

}  // namespace

void SelectAllTiles(Editor& editor, bool tilesOnly) {
  BusyPointer busy(editor);
  SelectWhere(editor, [tilesOnly](const MapCell& cell) { return !tilesOnly || cell.TileCode != 0; });
}

void InvertSelection(Editor& editor) {
  SelectWhere(editor, [](const MapCell& cell) { return !cell.Selected; });
}

void SelectTilesLikeButton(Editor& editor, bool secondary) {
  BusyPointer busy(editor);
  SelectTile(editor, secondary ? editor.tools.SecondaryTile : editor.tools.PrimaryTile);
}

void SelectTilesLikeCell(Editor& editor) {
  const CellPosition pointer = PointerCell(editor);
  if (!IsLevelCell(pointer.x, pointer.y)) return;
  SelectTile(editor, editor.level.Cell(pointer.x, pointer.y).TileCode);
}

void DeleteSelected(Editor& editor) { EmptyCells(editor, true); }

void ClearLevel(Editor& editor) { EmptyCells(editor, false); }

}  // namespace brolt::editor
