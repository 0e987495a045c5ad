#include "editor/model/commands/open_level.h"

#include <optional>
#include <string>

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "editor/model/canvas/minimap.h"
#include "editor/model/canvas/scrolling.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/canvas/zoom.h"
#include "editor/model/collections/collection_contents.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/collections/load_dialog_rules.h"
#include "editor/model/commands/collection_lists.h"
#include "editor/model/commands/error_report.h"
#include "editor/model/commands/level_conversion.h"
#include "editor/model/commands/recent_levels.h"
#include "editor/model/commands/save_level.h"
#include "editor/model/commands/state_checks.h"
#include "editor/model/services/trim_trailing_spaces.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/saturation.h"

namespace brolt::editor {

namespace {

constexpr const char* kNoCollections = "No level collections are found to load from.";

struct LevelSlot {
  std::string File;
  int Number = 0;
  std::string Title;
};

// The save question every open starts with; false when the designer keeps the level.
bool MayReplaceLevel(Editor& editor) {
  if (ConfirmExitPasteMode(editor)) return false;
  if (IsMapEmpty(editor) || editor.level.LevelSaved) return true;
  const int answer =
      editor.ui.dialogs->ShowMessageBox("Save changes before loading another level?", ButtonSet::YesNoCancel, "");
  if (answer == 2) return false;
  if (answer == 0) SaveLevel(editor, false);
  return answer == 1 || editor.level.LevelSaved;
}

void ShowMissingLevel(Editor& editor, int number) {
  editor.ui.dialogs->ShowMessageBox("Level " + PadNumber(number, 3) + " does not exist.", ButtonSet::OK, "");
}

// The record of a slot: nothing after reporting a file that can't be read, "" after reporting an
// empty slot.
std::optional<std::string> ReadStoredLevel(Editor& editor, const std::string& file, int number) {
  std::string record;
  try {
    record = ReadSlot(CollectionPath(editor, file), number);
  } catch (const FileError& error) {
    ShowErrorMessage(editor, error, "Cannot open the level.");
    return std::nullopt;
  }
  if (record.empty()) ShowMissingLevel(editor, number);
  return record;
}

// Reads the slot and puts it into the editor; a file that can't be read leaves the level as it was.
void ReadLevel(Editor& editor, const LevelSlot& slot, bool refillDropDown) {
  const std::optional<std::string> record = ReadStoredLevel(editor, slot.File, slot.Number);
  if (!record || record->empty()) return;
  editor.ui.window->SetMousePointer(11);
  editor.prefs.LevelFile = slot.File;
  editor.level.LevelNumber = static_cast<std::int16_t>(slot.Number);
  editor.level.LevelTitle = slot.Title;
  SetSaturation(editor, 100);
  editor.input.ReleaseArrowKeys();
  editor.level.StartMarkerPlaced = false;
  ApplyLevelRecord(DecodeLevelRecord(*record), editor.level);
  ResetUndoRing(editor.undo, editor.prefs.UndoMax);
  UpdateLevelCaption(editor);
  AddRecentLevel(editor);
  if (refillDropDown) ShowLevelDropDown(editor, true);
  CenterOnLevel(editor);
  RecordUndo(editor);
  DrawMiniLevel(editor);
  SetZoom(editor, RoundToInt32(editor.view.TileSize));
  editor.level.LevelSaved = true;
  editor.ui.window->SetMousePointer(0);
}

void OpenWithDialog(Editor& editor) {
  LoadDialogState state;
  if (!PrepareLoadDialog(editor, state)) {
    editor.ui.dialogs->ShowMessageBox(kNoCollections, ButtonSet::OK, "");
    return;
  }
  if (!editor.ui.dialogs->ShowLoadDialog(state)) return;
  if (state.LevelIndex < 0 || state.LevelIndex >= static_cast<int>(state.Levels.size())) return;
  const std::string& entry = state.Levels[static_cast<std::size_t>(state.LevelIndex)];
  ReadLevel(editor, {state.File(), EntrySlot(entry), EntryTitle(entry)}, true);
}

// A recent entry names its level by collection and slot; the title is the one stored there now.
void OpenRecent(Editor& editor, int recentIndex) {
  for (const RecentLevel& recent : ReadRecentLevels(editor)) {
    if (recent.Index != recentIndex) continue;
    const std::optional<std::string> record = ReadStoredLevel(editor, recent.File, recent.Level);
    if (!record) return;
    if (record->empty()) {
      RemoveRecentLevel(editor, recent.File, recent.Level);
      return;
    }
    const std::string title = TrimTrailingSpaces(*record);
    // Another level now in that slot: the entry under the old title goes.
    if (ToLowerAscii(recent.Title) != ToLowerAscii(title)) RemoveRecentLevel(editor, recent.File, recent.Level);
    ReadLevel(editor, {recent.File, recent.Level, title}, true);
    return;
  }
}

}  // namespace

void OpenLevel(Editor& editor, int recentIndex) {
  if (!MayReplaceLevel(editor)) return;
  if (recentIndex == kAskWithLoadDialog) OpenWithDialog(editor);
  else OpenRecent(editor, recentIndex);
}

void OpenLevelNumber(Editor& editor) {
  if (!MayReplaceLevel(editor)) return;
  const CollectionFileList list = ListCollectionFiles(editor, true, false);
  if (list.Files.empty()) {
    editor.ui.dialogs->ShowMessageBox(kNoCollections, ButtonSet::OK, "");
    return;
  }
  std::vector<std::string> entries;
  if (SameFileName(list.SelectedFile(), editor.prefs.LevelFile)) {
    try {
      entries = LevelListEntries(ReadCollectionContents(editor, list.SelectedFile()));
    } catch (const FileError&) {
      entries.clear();
    }
  }
  const int index = editor.collections.DropDownIndex;
  if (index < 0 || index >= static_cast<int>(entries.size())) {
    editor.ui.dialogs->ShowMessageBox("Select a level to load.", ButtonSet::OK, "");
    return;
  }
  const std::string& entry = entries[static_cast<std::size_t>(index)];
  if (EntryTitle(entry).empty()) {
    ShowMissingLevel(editor, EntrySlot(entry));
    return;
  }
  ReadLevel(editor, {list.SelectedFile(), EntrySlot(entry), EntryTitle(entry)}, false);
}

}  // namespace brolt::editor
