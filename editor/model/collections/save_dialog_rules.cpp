#include "editor/model/collections/save_dialog_rules.h"

#include <algorithm>

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/numeric.h"
#include "editor/model/collections/collection_contents.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/collections/level_management.h"
#include "editor/model/commands/collection_lists.h"
#include "editor/model/commands/state_checks.h"

namespace brolt::editor {

std::string SaveDialogState::File() const { return ChosenEntry(Files, FileIndex); }

bool PrepareSaveDialog(Editor& editor, SaveDialogState& state) {
  const CollectionFileList list = ListCollectionFiles(editor, false, false);
  state = {};
  state.Files = list.Files;
  state.FileIndex = list.Selected;
  state.Title = editor.level.LevelTitle.substr(0, kMaxTitleLength);
  if (state.Files.empty()) return false;
  ListSaveSlots(editor, state);
  return true;
}

void ListSaveSlots(Editor& editor, SaveDialogState& state) {
  state.Slots.clear();
  state.SlotIndex = -1;
  state.FreeSlot = 0;
  state.LevelSlots = 0;
  try {
    const CollectionContents contents = ReadCollectionContents(editor, state.File());
    state.Slots = LevelListEntries(contents);
    state.LevelSlots = contents.Compiled ? contents.LevelsBeforeTag() : static_cast<int>(contents.Records.size());
    const int count = static_cast<int>(contents.Records.size());
    if (!contents.Compiled && count < kMaxCollectionLevels) {
      state.FreeSlot = count + 1;
      state.Slots.push_back(PadNumber(state.FreeSlot, 3) + "   ");
      state.SlotIndex = count;
    }
  } catch (const FileError&) {
    state.Slots.clear();
  }
}

void ChooseSaveSlot(Editor& editor, SaveDialogState& state, int index) {
  if (index < 0 || index >= static_cast<int>(state.Slots.size())) return;
  state.SlotIndex = index;
  const std::string& entry = state.Slots[static_cast<std::size_t>(index)];
  state.Title = EntrySlot(entry) == state.FreeSlot ? editor.level.LevelTitle.substr(0, kMaxTitleLength) : EntryTitle(entry);
}

bool AcceptSaveDialog(Editor& editor, SaveDialogState& state) {
  // A level titled "Untitled" always goes through this dialog: saved under that title, every later
  // save would offer the next free slot again and write another copy.
  if (!ValidateLevelTitle(editor, state.Title, true)) return false;
  const bool chosen = !state.File().empty() && state.SlotIndex >= 0 && state.SlotIndex < static_cast<int>(state.Slots.size());
  const int slot = chosen ? EntrySlot(state.Slots[static_cast<std::size_t>(state.SlotIndex)]) : 0;
  if (!chosen || (slot != state.FreeSlot && slot > state.LevelSlots)) {
    editor.ui.dialogs->ShowMessageBox("Cannot save. Check that a level slot is selected.", ButtonSet::OK, "");
    return false;
  }
  if (slot != state.FreeSlot) {
    const std::string question = "Overwrite '" + EntryTitle(state.Slots[static_cast<std::size_t>(state.SlotIndex)]) + "'?";
    if (editor.ui.dialogs->ShowMessageBox(question, ButtonSet::YesNo, "") == 2) return false;
  }
  return true;
}

void ReselectAfterManagement(Editor& editor, SaveDialogState& state, const std::string& file, int slotIndex) {
  // Management may have made, renamed or deleted collections: the list is read again.
  state.Files = ListCollectionFiles(editor, false, false).Files;
  const int found = FindCollectionName(state.Files, file);
  if (state.Files.empty()) {
    state.FileIndex = -1;
    state.Slots.clear();
    state.SlotIndex = -1;
    return;
  }
  const std::string typedTitle = state.Title;
  state.FileIndex = std::max(found, 0);
  ListSaveSlots(editor, state);
  if (found >= 0 && slotIndex >= 0 && slotIndex < static_cast<int>(state.Slots.size()))
    ChooseSaveSlot(editor, state, slotIndex);
  // The title typed for the new level survives the visit.
  const bool freeSlot = state.SlotIndex >= 0 && EntrySlot(state.Slots[static_cast<std::size_t>(state.SlotIndex)]) == state.FreeSlot;
  if (freeSlot) state.Title = typedTitle;
}

void ManageFromSaveDialog(Editor& editor, SaveDialogState& state) {
  const std::string file = state.File();
  ManageKeepingLevelOpen(editor, file);
  ReselectAfterManagement(editor, state, file, state.SlotIndex);
}

}  // namespace brolt::editor
