#include "editor/model/commands/new_level.h"

#include <algorithm>

#include "common/numeric.h"
#include "editor/model/canvas/minimap.h"
#include "editor/model/canvas/scrolling.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/canvas/zoom.h"
#include "editor/model/commands/save_level.h"
#include "editor/model/commands/state_checks.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/saturation.h"
#include "editor/model/tools/selection_marks.h"

namespace brolt::editor {

namespace {
// The middle of the level in the middle of the view.
void ScrollToMiddle(Editor& editor) {
  const ViewState& view = editor.view;
  const double tile = std::max(1.0f, view.TileSize);
  const auto first = [&](int pixels) { return RoundToInt16(25 - pixels / tile / 2); };
  std::int16_t x = first(view.ViewportWidth);
  std::int16_t y = first(view.ViewportHeight);
  ScrollTo(editor, x, y);
}
}  // namespace

void NewLevel(Editor& editor) {
  if (ConfirmExitPasteMode(editor)) return;
  if (!IsMapEmpty(editor) && !editor.level.LevelSaved) {
    const int answer = editor.ui.dialogs->ShowMessageBox("Save changes before starting a new level?",
                                                         ButtonSet::YesNoCancel, "");
    if (answer == 2) return;
    if (answer == 0) {
      SaveLevel(editor, false);
      if (!editor.level.LevelSaved) return;
    }
  }
  LevelState& level = editor.level;
  level.LevelTitle = editor.prefs.DefaultLevelTitle;
  level.LightRadius = editor.prefs.LightRadiusDefault;
  level.LevelNumber = -1;
  level.LevelColor = {"0,0,0", "0,0,0", "0,0,0", "0,0,0"};
  level.TimeLimit = 0;
  level.UnidAward = 0;
  level.CannonRate = editor.prefs.CannonRateDefault;
  editor.input.ReleaseArrowKeys();
  SetSaturation(editor, 100);
  for (auto& column : level.Map)
    for (MapCell& cell : column) cell.TileCode = 0;
  DrawMiniLevel(editor);
  ResetUndoRing(editor.undo, editor.prefs.UndoMax);
  level.StartMarkerPlaced = false;
  editor.ui.window->ShowLevelCaption("Untitled", "(Unsaved)", "(Unavailable)");
  ClearSelection(editor, false);
  SetZoom(editor, RoundToInt32(editor.view.TileSize));
  ScrollToMiddle(editor);
  RecordUndo(editor);
}

}  // namespace brolt::editor
