#include "editor/model/commands/save_level.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/level_record.h"
#include "editor/model/collections/collection_contents.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/collections/save_dialog_rules.h"
#include "editor/model/commands/collection_lists.h"
#include "editor/model/commands/error_report.h"
#include "editor/model/commands/level_conversion.h"
#include "editor/model/commands/recent_levels.h"
#include "editor/model/commands/state_checks.h"
#include "editor/model/tools/paste_mode.h"

namespace brolt::editor {

namespace {

struct SaveTarget {
  std::string File;
  int Slot = 0;
  std::string Title;
};

// A plain save writes only where both programs will see the level: an existing slot of an existing
// collection or the one right after its last level; in a compiled collection only up to its last
// level, as the tag record follows it.
bool CanWriteStraight(const Editor& editor, const SaveTarget& target) {
  std::error_code missing;
  if (target.File.empty() || !std::filesystem::is_regular_file(CollectionPath(editor, target.File), missing))
    return false;
  try {
    const CollectionContents contents = ReadCollectionContents(editor, target.File);
    const int count = static_cast<int>(contents.Records.size());
    const int last = contents.Compiled ? contents.LevelsBeforeTag() : std::min(count + 1, kMaxCollectionLevels);
    return target.Slot >= 1 && target.Slot <= last;
  } catch (const FileError&) {
    return false;
  }
}

bool ChooseWithDialog(Editor& editor, SaveTarget& target) {
  SaveDialogState state;
  if (!PrepareSaveDialog(editor, state)) return false;
  if (!editor.ui.dialogs->ShowSaveDialog(state)) return false;
  if (state.SlotIndex < 0 || state.SlotIndex >= static_cast<int>(state.Slots.size())) return false;
  target = {state.File(), EntrySlot(state.Slots[static_cast<std::size_t>(state.SlotIndex)]), state.Title};
  return true;
}

// The level as its record, keeping the compiled marker of a collection's first record.
std::string RecordFor(const Editor& editor, const SaveTarget& target) {
  LevelState level = editor.level;
  level.LevelTitle = target.Title;
  LevelRecord record = ToLevelRecord(level);
  if (target.Slot == 1) {
    const std::string first = ReadSlot(CollectionPath(editor, target.File), 1);
    const std::string_view marker = FieldText(first, level_field::CompiledMarker);
    if (IsCompiledMarker(marker)) record.compiledMarker = std::string(marker);
  }
  return EncodeLevelRecord(record);
}

}  // namespace

void SaveLevel(Editor& editor, bool saveAs) {
  if (ConfirmExitPasteMode(editor)) return;
  if (!HasThresherAndPortal(editor)) {
    editor.ui.dialogs->ShowMessageBox("Cannot save. Level is either missing Thresher and/or a Portal.", ButtonSet::OK,
                                      "cannotsave");
    return;
  }
  SaveTarget target{editor.prefs.LevelFile, editor.level.LevelNumber == 0 ? 1 : editor.level.LevelNumber,
                    editor.level.LevelTitle};
  const bool needsDialog = saveAs || target.Title == "Untitled" || editor.level.LevelNumber == -1 ||
                           !CanWriteStraight(editor, target);
  if (needsDialog && !ChooseWithDialog(editor, target)) return;

  editor.ui.window->SetMousePointer(11);
  try {
    WriteSlot(CollectionPath(editor, target.File), target.Slot, RecordFor(editor, target));
  } catch (const FileError& error) {
    editor.ui.window->SetMousePointer(0);
    ShowErrorMessage(editor, error, "Cannot save the level.");
    return;
  }
  editor.prefs.LevelFile = target.File;
  editor.level.LevelNumber = static_cast<std::int16_t>(target.Slot);
  editor.level.LevelTitle = target.Title;
  UpdateLevelCaption(editor);
  AddRecentLevel(editor);
  editor.level.LevelSaved = true;
  editor.ui.window->SetMousePointer(0);
}

}  // namespace brolt::editor
