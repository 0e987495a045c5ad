#include "editor/model/tools/clipboard.h"

#include <algorithm>

#include "editor/model/canvas/minimap.h"
#include "editor/model/canvas/mouse_pointer.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/tools/brush_painting.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/selection_marks.h"

namespace brolt::editor {

namespace {

// Fills the clipboard from the selected cells; returns false, with a message, when none is selected.
bool TakeSelection(Editor& editor, bool takeUnique, bool emptySource, std::string_view nothingSelected) {
  ClipboardState& clipboard = editor.clipboard;
  for (auto& column : clipboard.Clipboard) {
    for (MapCell& cell : column) cell = MapCell{-1, 0, 0, false};
  }
  clipboard.ClipboardFilled = false;
  if (!AnyCellSelected(editor)) {
    editor.ui.dialogs->ShowMessageBox(nothingSelected, ButtonSet::OK, "cannotcopy");
    return false;
  }
  int left = kLevelSize, top = kLevelSize, right = 0, bottom = 0;
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      MapCell& cell = editor.level.Cell(x, y);
      if (!cell.Selected || (!takeUnique && IsUniqueTile(editor, cell.TileCode))) continue;
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x);
      bottom = std::max(bottom, y);
      clipboard.ClipboardFilled = true;
      clipboard.Clipboard[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = MapCell{cell.TileCode, cell.Direction, 0, false};
      if (emptySource) {
        cell.TileCode = 0;
        cell.Direction = 0;
      }
    }
  }
  clipboard.ClipboardLeft = static_cast<std::int16_t>(left);
  clipboard.ClipboardTop = static_cast<std::int16_t>(top);
  clipboard.ClipboardRight = static_cast<std::int16_t>(right);
  clipboard.ClipboardBottom = static_cast<std::int16_t>(bottom);
  clipboard.ClipboardCentreX = static_cast<std::int16_t>(left + (right - left) / 2);
  clipboard.ClipboardCentreY = static_cast<std::int16_t>(top + (bottom - top) / 2);
  return true;
}

}  // namespace

void CopySelection(Editor& editor) {
  if (!TakeSelection(editor, false, false, "At least one tile must be selected to copy.")) return;
  StartPasteMode(editor);
}

void CutSelection(Editor& editor) {
  BusyPointer busy(editor);
  if (!TakeSelection(editor, true, true, "At least one tile must be selected to cut.")) return;
  editor.ui.canvas->RedrawLevel();
  DrawMiniLevel(editor);
  ClearSelection(editor, true);
  // The cut cells leave the level now, so the cut is a step of its own: leaving paste mode without
  // placing them must not lose them from the history, nor let the editor close without a warning.
  RecordUndo(editor);
  StartPasteMode(editor);
}

}  // namespace brolt::editor
