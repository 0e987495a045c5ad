#include "editor/model/pending_procedures.h"

#include "editor/model/undo_recording.h"

namespace brolt::editor {

void LoadTileDefinitions(Editor&) {}
void SetZoom(Editor&, int) {}
void ScrollTo(Editor&, std::int16_t&, std::int16_t&) {}
void DrawGrid(Editor&) {}
void SelectTool(Editor&, int, int, bool) {}
void SetSaturation(Editor&, int) {}
void DrawSelectionBoxes(Editor&) {}
void RedrawChangedCells(Editor& editor, int slot) {
  RestoreUndoState(editor.undo.UndoBuffer[static_cast<std::size_t>(slot)], editor.level.Map);
  editor.ui.canvas->RedrawLevel();
  CountTiles(editor);
}
void PaintBorders(Editor&) {}
void OpenHelpRecordset(Editor&) {}
void RefreshRecentMenu(Editor&) {}
void UpdateLevelCaption(Editor&) {}
void PurgeEmptyCollectionFiles(Editor&) {}
void ListCollectionFiles(Editor&, bool, bool) {}

}  // namespace brolt::editor
