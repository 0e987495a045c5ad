#include "editor/model/commands/collection_lists.h"

#include <algorithm>

#include "common/file_io.h"
#include "editor/model/collections/collection_contents.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/commands/collection_commands.h"
#include "editor/model/commands/state_checks.h"
#include "editor/model/tools/paste_mode.h"

namespace brolt::editor {

std::string CollectionFileList::SelectedFile() const {
  return Selected >= 0 && Selected < static_cast<int>(Files.size()) ? Files[static_cast<std::size_t>(Selected)]
                                                                      : std::string();
}

namespace {
bool Offered(const Editor& editor, const std::string& file) {
  if (editor.DeveloperMode) return true;
  try {
    return !IsCompiledCollection(editor, file);
  } catch (const FileError&) {
    return false;
  }
}
}  // namespace

CollectionFileList ListCollectionFiles(Editor& editor, bool quiet, bool showHelp) {
  CollectionFileList list;
  std::vector<std::string> files = CollectionFilesInFolder(editor);
  if (files.empty()) {
    if (showHelp) editor.ui.dialogs->ShowHelpTopic("gettingstarted");
    if (quiet) return list;
    editor.ui.dialogs->ShowMessageBox(
        "No level collections are present in the Levels folder. Click Ok to create one.", ButtonSet::OK, "");
    const std::string created = NewCollectionFile(editor);
    if (created.empty()) return list;
    editor.prefs.LevelFile = created;
    files = CollectionFilesInFolder(editor);
  }
  for (std::string& file : files)
    if (Offered(editor, file)) list.Files.push_back(std::move(file));
  if (list.Files.empty()) return list;
  const int own = editor.prefs.LevelFile.empty() ? -1 : FindCollectionName(list.Files, editor.prefs.LevelFile);
  list.Selected = std::max(own, 0);
  return list;
}

void ShowLevelDropDown(Editor& editor, bool fillOnly) {
  if (ConfirmExitPasteMode(editor)) return;
  CollectionState& state = editor.collections;
  state.DropDownEntries.clear();
  state.DropDownIndex = -1;
  if (!editor.prefs.LevelFile.empty()) {
    // The collection the open command will read, LevelFile typed in other capitals included.
    const std::vector<std::string> files = CollectionFilesInFolder(editor);
    const int found = FindCollectionName(files, editor.prefs.LevelFile);
    const std::string& file = found >= 0 ? files[static_cast<std::size_t>(found)] : editor.prefs.LevelFile;
    try {
      state.DropDownEntries = LevelListEntries(ReadCollectionContents(editor, file));
    } catch (const FileError&) {
      state.DropDownEntries.clear();
    }
  }
  const int current = editor.level.LevelNumber - 1;
  if (current >= 0 && current < static_cast<int>(state.DropDownEntries.size())) state.DropDownIndex = current;
  if (!fillOnly) editor.ui.window->DropDownLevelList();
}

void UpdateLevelCaption(Editor& editor) {
  int count = 0;
  try {
    if (!editor.prefs.LevelFile.empty()) count = CountCollectionLevels(editor, editor.prefs.LevelFile);
  } catch (const FileError&) {
    count = 0;
  }
  if (count < 1) return;
  const int number = editor.level.LevelNumber;
  // A level with no slot in the collection, as at start-up, is shown as the new level it is.
  const std::string place = number >= 1 && number <= count
                                ? "(" + std::to_string(number) + " of " + std::to_string(count) + ")"
                                : std::string("(Unsaved)");
  editor.ui.window->ShowLevelCaption(editor.level.LevelTitle, place, editor.prefs.LevelFile);
}

}  // namespace brolt::editor
