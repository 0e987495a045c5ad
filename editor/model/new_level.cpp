#include "editor/model/new_level.h"

#include <algorithm>

#include "common/numeric.h"
#include "editor/model/paste_mode.h"
#include "editor/model/selection_marks.h"
#include "editor/model/save_level.h"
#include "editor/model/state_checks.h"
#include "editor/model/undo_recording.h"

namespace brolt::editor {

namespace {
// The middle of the level in the middle of the view.
void ScrollToMiddle(Editor& editor) {
  ViewState& view = editor.view;
  const double tile = std::max(1.0f, view.TileSize);
  const auto first = [&](int pixels) {
    return static_cast<std::int16_t>(std::max<std::int64_t>(0, RoundHalfEven(25 - pixels / tile / 2)));
  };
  view.ViewX = first(view.ViewportWidth);
  view.ViewY = first(view.ViewportHeight);
  editor.ui.canvas->ViewMoved();
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
  editor.tools.Saturation = 100;
  editor.input.ReleaseArrowKeys();
  for (auto& column : level.Map)
    for (MapCell& cell : column) cell.TileCode = 0;
  ResetUndoRing(editor.undo, editor.prefs.UndoMax);
  level.StartMarkerPlaced = false;
  editor.ui.window->ShowLevelCaption("Untitled", "(Unsaved)", "(Unavailable)");
  ClearSelection(editor, false);
  editor.ui.canvas->RedrawLevel();
  ScrollToMiddle(editor);
  RecordUndo(editor);
}

}  // namespace brolt::editor
