#include "editor/model/collections/level_slot_commands.h"

#include <exception>
#include <utility>

#include "common/collection_file.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "editor/model/collections/collection_records.h"
#include "editor/model/commands/collection_commands.h"
#include "editor/model/commands/error_report.h"
#include "editor/model/commands/state_checks.h"
#include "editor/model/services/trim_trailing_spaces.h"

namespace brolt::editor {

namespace {
using Records = std::vector<std::string>;

std::string& BinSlot(ManageState& manage, int slot) { return manage.LevelBin[static_cast<std::size_t>(slot - 1)]; }

// Level N of the records, or the empty text past the end (the free entry, or nothing selected).
std::string LevelRecordAt(const Records& records, int level) {
  if (level < 1 || static_cast<std::size_t>(level) > records.size()) return {};
  return records[static_cast<std::size_t>(level - 1)];
}

bool IsLastEntry(const ManageSelection& selection) {
  return selection.level > 0 && selection.level == selection.levelEntries;
}

bool Refuse(Editor& editor, const std::string& text) {
  editor.ui.dialogs->ShowMessageBox(text, ButtonSet::OK, "");
  return false;
}

bool Ask(Editor& editor, const std::string& text) {
  return editor.ui.dialogs->ShowMessageBox(text, ButtonSet::YesNo, "") != 2;
}

std::optional<int> LastBinPosition(const ManageState& manage) {
  const auto titles = LevelBinTitles(manage);
  if (titles.empty()) return std::nullopt;
  return static_cast<int>(titles.size()) - 1;
}

// Reads the managed collection into ManageRecords, lets `change` alter them and writes them back
// when it answers true. True when the file was rewritten. A collection that fails to load, or holds
// levels behind an empty slot, is never written, and a failed write leaves the old file.
template <typename Change>
bool ChangeCollection(Editor& editor, const ManageSelection& selection, Change change) {
  try {
    if (!LoadCollectionRecords(editor, selection.collection) || !change(editor.manage.ManageRecords)) return false;
    SaveCollectionRecords(editor, selection.collection);
    return true;
  } catch (const std::exception& error) {
    ShowErrorMessage(editor, error, "Cannot perform command.");
    return false;
  }
}

// Swaps level N with its neighbour below, N + 1, after the refusals of the move.
ManageOutcome SwapWithNext(Editor& editor, const ManageSelection& selection, int upper, int selectPosition,
                           bool keyboard) {
  const bool saved = ChangeCollection(editor, selection, [&](Records& records) {
    if (upper < 1 || static_cast<std::size_t>(upper) >= records.size()) return false;
    std::swap(records[static_cast<std::size_t>(upper - 1)], records[static_cast<std::size_t>(upper)]);
    return true;
  });
  if (!saved) return {};
  return {true, keyboard ? std::nullopt : std::optional<int>(selectPosition), std::nullopt};
}
}  // namespace

ManageOutcome InsertHolderSpace(Editor& editor, const ManageSelection& selection) {
  if (IsLastEntry(selection) || CheckCollectionInEditor(editor, selection.collection)) return {};
  const bool saved = ChangeCollection(editor, selection, [&](Records& records) {
    if (selection.level == 0) return Refuse(editor, "Cannot insert.");
    if (selection.levelEntries >= kMaxCollectionLevels)
      return Refuse(editor, "Cannot add any more levels. 999 is the maximum.");
    if (static_cast<std::size_t>(selection.level) > records.size()) return false;
    records.insert(records.begin() + (selection.level - 1), std::string(kHolderRecord));
    return true;
  });
  return {saved, std::nullopt, std::nullopt};
}

ManageOutcome MoveLevelUp(Editor& editor, const ManageSelection& selection, bool keyboard) {
  if (IsLastEntry(selection) || CheckCollectionInEditor(editor, selection.collection)) return {};
  if (selection.level == 1) {
    Refuse(editor, "Cannot move level any higher!");
    return {};
  }
  return SwapWithNext(editor, selection, selection.level - 1, selection.level - 2, keyboard);
}

ManageOutcome MoveLevelDown(Editor& editor, const ManageSelection& selection, bool keyboard) {
  if (IsLastEntry(selection) || CheckCollectionInEditor(editor, selection.collection)) return {};
  if (selection.level > 0 && selection.level == selection.levelEntries - 1) {
    Refuse(editor, "Cannot move level any lower!");
    return {};
  }
  return SwapWithNext(editor, selection, selection.level, selection.level, keyboard);
}

ManageOutcome CopyLevelToBin(Editor& editor, const ManageSelection& selection) {
  ManageOutcome outcome;
  // Reads only: the collection file is not written.
  ChangeCollection(editor, selection, [&](Records& records) {
    const std::string record = LevelRecordAt(records, selection.level);
    const int slot = FindFreeBinSlot(editor.manage);
    if (record.empty() || IsHolderRecord(record) || slot == 0) return false;
    BinSlot(editor.manage, slot) = record;
    outcome = {true, std::nullopt, slot - 1};
    return false;
  });
  return outcome;
}

ManageOutcome PasteLevelFromBin(Editor& editor, const ManageSelection& selection) {
  if (selection.level == 0) {
    Refuse(editor, "Select a space to paste into.");
    return {};
  }
  const int binSlot = BinSlotOfEntry(editor.manage, selection.binEntry);
  if (binSlot == 0) {
    Refuse(editor, "Select a level from the bin that you wish to paste.");
    return {};
  }
  const std::string level = BinSlot(editor.manage, binSlot);
  const bool saved = ChangeCollection(editor, selection, [&](Records& records) {
    const std::size_t target = static_cast<std::size_t>(selection.level);
    if (target > records.size() + 1) return false;
    const std::string replaced = LevelRecordAt(records, selection.level);
    if (!replaced.empty() && !IsHolderRecord(replaced) &&
        !Ask(editor, "Overwrite '" + TrimTrailingSpaces(replaced) + "' with '" + TrimTrailingSpaces(level) + "'?"))
      return false;
    if (target > records.size()) records.push_back(level);
    else records[target - 1] = level;
    return true;
  });
  if (!saved) return {};
  // The level moves out of the bin only once it is safely in the collection.
  BinSlot(editor.manage, binSlot).clear();
  return {true, std::nullopt, LastBinPosition(editor.manage)};
}

ManageOutcome RenameLevel(Editor& editor, const ManageSelection& selection) {
  if (IsLastEntry(selection)) return {};
  const bool saved = ChangeCollection(editor, selection, [&](Records& records) {
    const std::string record = LevelRecordAt(records, selection.level);
    if (IsHolderRecord(record)) return Refuse(editor, "Cannot edit this level.");
    if (record.empty()) return false;
    const std::string answer =
        editor.ui.dialogs->ShowInputBox("Type a new level title below.", "[PROPER]" + TrimTrailingSpaces(record), 30);
    if (!ValidateLevelTitle(editor, answer, true)) return false;
    std::string& renamed = records[static_cast<std::size_t>(selection.level - 1)];
    renamed.replace(0, std::min<std::size_t>(renamed.size(), 30), PadText(answer.substr(0, 29), 30));
    return true;
  });
  return {saved, std::nullopt, std::nullopt};
}

ManageOutcome DeleteLevel(Editor& editor, const ManageSelection& selection) {
  if (IsLastEntry(selection)) return {};
  const bool saved = ChangeCollection(editor, selection, [&](Records& records) {
    const std::string record = LevelRecordAt(records, selection.level);
    if (IsHolderRecord(record) || CheckCollectionInEditor(editor, selection.collection)) return false;
    if (record.empty()) return Refuse(editor, "Cannot delete this level.");
    if (!Ask(editor, "Delete '" + TrimTrailingSpaces(record) + "'?")) return false;
    records[static_cast<std::size_t>(selection.level - 1)] = std::string(kHolderRecord);
    return true;
  });
  return {saved, std::nullopt, std::nullopt};
}

ManageOutcome RemoveLevelSpace(Editor& editor, const ManageSelection& selection) {
  if (IsLastEntry(selection) || CheckCollectionInEditor(editor, selection.collection)) return {};
  const bool saved = ChangeCollection(editor, selection, [&](Records& records) {
    if (selection.level == 0) return Refuse(editor, "Cannot remove.");
    const std::string record = LevelRecordAt(records, selection.level);
    if (record.empty()) return false;
    if (!IsHolderRecord(record) &&
        !Ask(editor, "Remove this level space containing '" + TrimTrailingSpaces(record) + "'?"))
      return false;
    records.erase(records.begin() + (selection.level - 1));
    return true;
  });
  return {saved, std::nullopt, std::nullopt};
}

ManageOutcome DeleteBinLevel(Editor& editor, const ManageSelection& selection) {
  const int slot = BinSlotOfEntry(editor.manage, selection.binEntry);
  if (slot == 0) {
    Refuse(editor, "Cannot delete this level from the clipboard.");
    return {};
  }
  BinSlot(editor.manage, slot).clear();
  return {true, std::nullopt, LastBinPosition(editor.manage)};
}

ManageOutcome ClearBin(Editor& editor) {
  for (std::string& slot : editor.manage.LevelBin) slot.clear();
  return {true, std::nullopt, std::nullopt};
}

int FindFreeBinSlot(const ManageState& manage) {
  for (int slot = 1; slot <= kBinSlots; ++slot)
    if (manage.LevelBin[static_cast<std::size_t>(slot - 1)].empty()) return slot;
  return 0;
}

std::vector<std::string> LevelBinTitles(const ManageState& manage) {
  std::vector<std::string> titles;
  for (const std::string& record : manage.LevelBin)
    if (!record.empty()) titles.push_back(TrimTrailingSpaces(record));
  return titles;
}

int BinSlotOfEntry(const ManageState& manage, int entry) {
  if (entry < 0) return 0;
  int filled = 0;
  for (int slot = 1; slot <= kBinSlots; ++slot)
    if (!manage.LevelBin[static_cast<std::size_t>(slot - 1)].empty() && filled++ == entry) return slot;
  return 0;
}

}  // namespace brolt::editor
