#include "editor/model/window/keyboard_shortcuts.h"

#include "common/numeric.h"
#include "editor/model/canvas/scrolling.h"
#include "editor/model/canvas/zoom.h"
#include "editor/model/commands/apply_color_scheme.h"
#include "editor/model/commands/collection_lists.h"
#include "editor/model/commands/game_launch.h"
#include "editor/model/commands/open_level.h"
#include "editor/model/services/colour_scheme.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/selection_commands.h"
#include "editor/model/tools/tool_selection.h"
#include "editor/model/window/status_bar.h"
#include "editor/model/window/status_text.h"

namespace brolt::editor {

namespace {

constexpr double kLevelStepPause = 0.4;
constexpr int kZoomStep = 5;

bool* ArrowFlag(InputState& input, int keyCode) {
  switch (keyCode) {
    case key::kLeft: return &input.ScrollLeftHeld;
    case key::kUp: return &input.ScrollUpHeld;
    case key::kRight: return &input.ScrollRightHeld;
    case key::kDown: return &input.ScrollDownHeld;
    default: return nullptr;
  }
}

// Page Up and Page Down: the list drops down on the current level, its choice moves one entry, and
// after a moment that level opens. At either end of the list only the list is shown.
void StepThroughCollection(Editor& editor, int step) {
  bool& stepping = editor.input.SteppingLevels;
  stepping = true;
  struct StepEnds {
    bool& stepping;
    ~StepEnds() { stepping = false; }
  } stepEnds{stepping};
  ShowLevelDropDown(editor, false);
  if (editor.clipboard.PasteMode) return;  // the designer chose to stay in paste mode
  WindowControls& window = *editor.ui.window;
  window.Pause(kLevelStepPause);
  CollectionState& list = editor.collections;
  const int next = list.DropDownIndex + step;
  if (next < 0 || next >= static_cast<int>(list.DropDownEntries.size())) {
    window.FocusCanvas();
    return;
  }
  list.DropDownIndex = next;
  window.DropDownLevelList();
  window.Pause(kLevelStepPause);
  OpenLevelNumber(editor);
  // The list closes with the level open, so that the next Page Down steps on again.
  window.FocusCanvas();
}

void ShowHeldModeText(Editor& editor, std::string_view text) {
  UpdateStatusBar(editor);
  ShowStatusText(editor, text, 0, true, false, ColorTextToRgbValue(editor.prefs.BorderColor));
}

// The keys that act once the list is closed; each key meets at most one of these.
void RunShortcut(Editor& editor, int keyCode) {
  const ToolState& tools = editor.tools;
  const bool selector = tools.CurrentTool == kSelectorTool;
  switch (editor.input.HeldKey) {
    case key::kEquals: SetZoom(editor, RoundToInt32(editor.view.TileSize + kZoomStep)); return;
    case key::kMinus: SetZoom(editor, RoundToInt32(editor.view.TileSize - kZoomStep)); return;
    case key::kSpace: ShowHeldModeText(editor, "YOU ARE IN ERASE MODE..."); return;
    case key::kLetterS: ShowHeldModeText(editor, "YOU ARE IN SPUNGE MODE..."); return;
    default: break;
  }
  if (keyCode == key::kEscape && editor.clipboard.PasteMode) {
    CancelPasteMode(editor);
  } else if (keyCode == key::kF12) {
    ApplyColorScheme(editor, true);
    RefreshViewControls(editor);
  } else if ((keyCode == key::kPeriod || keyCode == key::kComma) && !selector) {
    SetTileDirection(editor, 0, keyCode == key::kComma);
  } else if (keyCode == key::kEnter) {
    PreviewLevel(editor);
  } else if (keyCode == key::kBackspace) {
    editor.ui.dialogs->OpenLevelProperties();
  } else if (keyCode == key::kDelete && selector) {
    DeleteSelected(editor);
  } else if (keyCode >= key::kDigit1 && keyCode <= key::kDigit7) {
    SelectTool(editor, keyCode - key::kDigit1, tools.PrimaryTile, false);
  }
}

}  // namespace

bool DropsLevelStepKey(const Editor& editor, int keyCode) {
  return editor.input.SteppingLevels && (keyCode == key::kPageUp || keyCode == key::kPageDown);
}

void KeyDown(Editor& editor, int keyCode) {
  if (DropsLevelStepKey(editor, keyCode)) return;
  WindowControls& window = *editor.ui.window;
  const bool listOpen = window.LevelDropDownShown();
  if (listOpen && keyCode == key::kEnter) {
    OpenLevelNumber(editor);
    return;
  }
  if (!listOpen && (keyCode == key::kPageUp || keyCode == key::kPageDown)) {
    StepThroughCollection(editor, keyCode == key::kPageDown ? 1 : -1);
    return;
  }
  if (keyCode == key::kEscape) window.FocusCanvas();
  if (listOpen) return;
  if (bool* arrow = ArrowFlag(editor.input, keyCode)) {
    *arrow = true;
    return;
  }
  if (keyCode == key::kBacktick) {
    ShowLevelDropDown(editor, false);
    return;
  }
  editor.input.HeldKey = editor.clipboard.PasteMode ? std::int16_t{-1} : static_cast<std::int16_t>(keyCode);
  window.FocusCanvas();
  RunShortcut(editor, keyCode);
}

void KeyUp(Editor& editor, int keyCode) {
  if (bool* arrow = ArrowFlag(editor.input, keyCode)) {
    *arrow = false;
    return;
  }
  editor.input.HeldKey = 0;
  UpdateStatusBar(editor);
}

}  // namespace brolt::editor
