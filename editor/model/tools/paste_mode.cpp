#include "editor/model/tools/paste_mode.h"

#include "editor/model/canvas/minimap.h"
#include "editor/model/canvas/mouse_pointer.h"
#include "editor/model/canvas/pointer_cells.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/commands/paste_mode_menus.h"
#include "editor/model/tools/brush_painting.h"
#include "editor/model/tools/selection_marks.h"

namespace brolt::editor {

namespace {

// How far the clipboard moves when placed: its centre cell lands on the pointer's cell.
CellPosition PlacementOffset(const Editor& editor) {
  const CellPosition pointer = PointerCell(editor);
  return {editor.clipboard.ClipboardCentreX - pointer.x, editor.clipboard.ClipboardCentreY - pointer.y};
}

const MapCell& ClipboardCell(const Editor& editor, int x, int y) {
  return editor.clipboard.Clipboard[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

// Writes one copied cell into the level. A unique tile's other copy goes first, and only when the
// tile is really written, so that the level keeps exactly one.
void PlaceCopiedCell(Editor& editor, const MapCell& copied, int x, int y) {
  MapCell& target = editor.level.Cell(x, y);
  if (target.TileCode != 0 && !editor.tools.Overwrite) return;
  if (IsUniqueTile(editor, copied.TileCode)) RemoveTileCopies(editor, copied.TileCode);
  target.TileCode = copied.TileCode;
  target.Direction = copied.Direction;
  target.Selected = true;
}

}  // namespace

void StartPasteMode(Editor& editor) {
  if (!editor.clipboard.ClipboardFilled) {
    editor.ui.dialogs->ShowMessageBox("Nothing in clipboard.", ButtonSet::OK, "cannotpaste");
    return;
  }
  EnterPasteModeMenus(editor);
  ClearSelection(editor, false);
  editor.clipboard.PasteMode = true;
}

void DragPastePreview(Editor& editor) {
  ClipboardState& clipboard = editor.clipboard;
  if (!clipboard.ClipboardFilled) return;
  if (editor.tools.CurrentTool == kFillTool && editor.preview.SquareOutline.Visible) {
    editor.preview.SquareOutline.Visible = false;
    editor.ui.canvas->RedrawOverlays();
  }
  const CellPosition offset = PlacementOffset(editor);
  const CellPosition pointer = PointerCell(editor);
  clipboard.PasteCellX = static_cast<std::int16_t>(pointer.x);
  clipboard.PasteCellY = static_cast<std::int16_t>(pointer.y);
  editor.preview.MarkerShown = {};
  for (int x = clipboard.ClipboardLeft; x <= clipboard.ClipboardRight; ++x) {
    for (int y = clipboard.ClipboardTop; y <= clipboard.ClipboardBottom; ++y) {
      const int tx = x - offset.x;
      const int ty = y - offset.y;
      if (IsLevelCell(tx, ty)) editor.preview.Marker(tx, ty) = ClipboardCell(editor, x, y).TileCode != -1;
    }
  }
  editor.ui.canvas->RedrawSelection();
}

void PlaceClipboard(Editor& editor) {
  if (!editor.clipboard.ClipboardFilled) return;
  BusyPointer busy(editor);
  const CellPosition offset = PlacementOffset(editor);
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      const int tx = x - offset.x;
      const int ty = y - offset.y;
      if (!IsLevelCell(tx, ty)) continue;
      const MapCell& copied = ClipboardCell(editor, x, y);
      if (copied.TileCode == -1) {
        editor.level.Cell(tx, ty).Selected = false;
      } else {
        PlaceCopiedCell(editor, copied, tx, ty);
      }
    }
  }
  RecordUndo(editor);
  editor.ui.canvas->RedrawLevel();
  DrawMiniLevel(editor);
  ShowSelectionMarks(editor);
}

void CancelPasteMode(Editor& editor) {
  if (!editor.clipboard.PasteMode) return;
  LeavePasteModeMenus(editor);
  SetMousePointer(editor, kDefaultPointer);
  editor.clipboard.PasteMode = false;
  editor.preview.PasteTipShown = false;
  editor.ui.canvas->PasteTipChanged();
  HideSelectionMarks(editor);
}

bool ConfirmExitPasteMode(Editor& editor) {
  if (!editor.clipboard.PasteMode) return false;
  const int answer = editor.ui.dialogs->ShowMessageBox("This action will exit paste mode.", ButtonSet::OKCancel,
                                                       "xopastemode");
  if (answer == 2) return true;
  CancelPasteMode(editor);
  return false;
}

}  // namespace brolt::editor
