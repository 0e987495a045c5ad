#include "editor/model/collections/level_management.h"

#include <algorithm>
#include <exception>
#include <system_error>

#include "editor/model/collections/level_files.h"
#include "editor/model/commands/error_report.h"
#include "editor/model/commands/new_level.h"
#include "editor/model/commands/save_level.h"
#include "editor/model/commands/state_checks.h"
#include "editor/model/services/collection_name.h"
#include "editor/model/services/trim_trailing_spaces.h"
#include "editor/model/tools/paste_mode.h"

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/level_record.h"
#include "editor/model/collections/collection_records.h"
#include "editor/model/commands/collection_commands.h"

namespace brolt::editor {

namespace {
constexpr const char* kCloseLevelFirst = "The current level should be closed before you can edit this level collection.";

// Closes the current level as level management needs it; false when the designer cancelled.
bool CloseLevelForManagement(Editor& editor) {
  LevelState& level = editor.level;
  if (level.LevelSaved) {
    if (editor.ui.dialogs->ShowMessageBox(std::string(kCloseLevelFirst) + " Click Ok to continue.",
                                          ButtonSet::OKCancel, "") == 2)
      return false;
    NewLevel(editor);
    return true;
  }
  if (level.LevelTitle == "Untitled") return true;
  switch (ConfirmSaveChanges(editor, std::string(kCloseLevelFirst) + " Save changes?", ButtonSet::YesNoCancel)) {
    case 2:
      return false;
    case 0:
      SaveLevel(editor, false);
      break;
    default:
      level.LevelSaved = true;
      break;
  }
  NewLevel(editor);
  return true;
}

// The record in the open level's slot; "" while the level has none or the slot can't be read.
std::string OpenLevelSlotRecord(const Editor& editor) {
  if (editor.prefs.LevelFile.empty() || editor.level.LevelNumber < 1) return {};
  try {
    return ReadSlot(CollectionPath(editor, editor.prefs.LevelFile), editor.level.LevelNumber);
  } catch (const FileError&) {
    return {};
  }
}
}  // namespace

void OpenLevelManagement(Editor& editor, std::string_view collectionFile) {
  if (ConfirmExitPasteMode(editor) || !CloseLevelForManagement(editor)) return;
  ManageKeepingLevelOpen(editor, collectionFile);
}

void ManageKeepingLevelOpen(Editor& editor, std::string_view collectionFile) {
  const std::string before = OpenLevelSlotRecord(editor);
  editor.ui.dialogs->ShowLevelManagement(collectionFile);
  LevelState& level = editor.level;
  if (level.LevelNumber < 1) return;
  const std::string after = OpenLevelSlotRecord(editor);
  const auto rest = static_cast<std::size_t>(level_field::Title.width);
  if (before.size() > rest && after.size() > rest && before.substr(rest) == after.substr(rest)) {
    level.LevelTitle = TrimTrailingSpaces(after);
  } else {
    level.LevelNumber = -1;
    level.LevelSaved = false;
  }
  UpdateLevelCaption(editor);
}

int InitialManagedCollection(const Editor& editor, std::string_view requested, const CollectionFileList& list) {
  if (editor.DeveloperMode) {
    const std::string_view wanted = requested.empty() ? std::string_view(editor.prefs.LevelFile) : requested;
    const int found = FindCollectionName(list.Files, wanted);
    if (found >= 0) return found;
  }
  return list.Selected;
}

bool GuardHolderSpaces(Editor& editor, const std::vector<std::string>& levelEntries, HolderGuard guard) {
  if (std::none_of(levelEntries.begin(), levelEntries.end(), IsHolderEntry)) return false;
  editor.ui.dialogs->ShowMessageBox(
      guard == HolderGuard::Closing
          ? "You must either fill or delete the [HOLDER] spaces before you can close level management."
          : "You must either fill or delete the [HOLDER] spaces before you can choose another level collection.",
      ButtonSet::OK, "");
  return true;
}

std::string CopyCollectionFile(Editor& editor, std::string_view file) {
  if (file.empty()) return {};
  const std::string copy = "Copy of " + std::string(file);
  try {
    if (RefuseNameInUse(editor, copy, copy)) return {};
    const std::optional<std::vector<std::string>> records = ReadRecordsToRewrite(editor, file);
    if (!records) return {};
    std::error_code error;
    if (std::filesystem::exists(CollectionPath(editor, copy), error) &&
        editor.ui.dialogs->ShowMessageBox("'" + FileNameAsText(copy) + "' already exists. Replace it?", ButtonSet::YesNo, "") == 2)
      return {};
    WriteCollection(CollectionPath(editor, copy), *records);
  } catch (const std::exception& failure) {
    ShowErrorMessage(editor, failure, "Cannot copy collection file.");
    return {};
  }
  return copy;
}

}  // namespace brolt::editor
