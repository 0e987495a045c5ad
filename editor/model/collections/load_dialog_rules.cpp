#include "editor/model/collections/load_dialog_rules.h"

#include <algorithm>

#include "common/collection_file.h"
#include "common/file_io.h"
#include "editor/model/collections/collection_contents.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/commands/collection_lists.h"

namespace brolt::editor {

std::string LoadDialogState::File() const { return ChosenEntry(Files, FileIndex); }

bool PrepareLoadDialog(Editor& editor, LoadDialogState& state) {
  const CollectionFileList list = ListCollectionFiles(editor, true, false);
  state = {};
  state.Files = list.Files;
  state.FileIndex = list.Selected;
  ListLoadLevels(editor, state);
  if (state.Files.empty()) return false;
  const int current = editor.level.LevelNumber - 1;
  if (SameFileName(state.File(), editor.prefs.LevelFile) && current >= 0 &&
      current < static_cast<int>(state.Levels.size()))
    state.LevelIndex = current;
  return true;
}

void ListLoadLevels(Editor& editor, LoadDialogState& state) {
  state.LevelIndex = -1;
  try {
    state.Levels = LevelListEntries(ReadCollectionContents(editor, state.File()));
  } catch (const FileError&) {
    state.Levels.clear();
  }
}

void ShowPreview(Editor& editor, LoadDialogState& state) {
  LevelPreview& preview = state.Preview;
  const bool chosen = state.LevelIndex >= 0 && state.LevelIndex < static_cast<int>(state.Levels.size());
  if (!chosen) {
    preview = {};
    return;
  }
  const int slot = EntrySlot(state.Levels[static_cast<std::size_t>(state.LevelIndex)]);
  if (preview.File == state.File() && preview.Slot == slot) return;
  std::string record;
  try {
    record = ReadSlot(CollectionPath(editor, state.File()), slot);
  } catch (const FileError&) {
    record.clear();
  }
  preview = MakeLevelPreview(record, editor.tiles);
  preview.File = state.File();
  preview.Slot = slot;
}

bool AcceptLoadDialog(Editor& editor, const LoadDialogState& state) {
  if (state.LevelIndex < 0 || state.LevelIndex >= static_cast<int>(state.Levels.size())) {
    editor.ui.dialogs->ShowMessageBox("Select a level to load.", ButtonSet::OK, "");
    return false;
  }
  const std::string& entry = state.Levels[static_cast<std::size_t>(state.LevelIndex)];
  if (EntryTitle(entry).empty()) {
    editor.ui.dialogs->ShowMessageBox("Level " + entry.substr(0, 3) + " does not exist.", ButtonSet::OK, "");
    return false;
  }
  return true;
}

void ReselectAfterManagement(Editor& editor, LoadDialogState& state, const std::string& file, int levelIndex) {
  const CollectionFileList list = ListCollectionFiles(editor, false, false);
  state.Files = list.Files;
  const int found = FindCollectionName(state.Files, file);
  state.FileIndex = found >= 0 ? found : (state.Files.empty() ? -1 : 0);
  ListLoadLevels(editor, state);
  if (found >= 0 && levelIndex >= 0 && levelIndex < static_cast<int>(state.Levels.size()))
    state.LevelIndex = levelIndex;
  state.Preview = {};
}

}  // namespace brolt::editor
