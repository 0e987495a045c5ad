#pragma once
// The level commands of level management and its level bin. Each command that changes the managed
// collection reads it afresh, changes the records in memory and writes the file back whole; there
// is no undo. Refusals and questions go through the message box; a failure to read or write is
// reported once with "Cannot perform command." and never leaves a half-written file.
#include <optional>
#include <string>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::editor {

// What the dialog shows when a command runs.
struct ManageSelection {
  std::string collection;  // the managed collection file
  int level = 0;           // the selected level N: the level list's position + 1, 0 when none
  int levelEntries = 0;    // entries of the level list, the free entry included
  int binEntry = -1;       // the selected position of the bin list, -1 when none
};

// How the dialog's lists follow a command.
struct ManageOutcome {
  bool refresh = false;              // the collection or the bin changed: refill the lists
  std::optional<int> levelPosition;  // then select this position of the level list
  std::optional<int> binPosition;    // and this one of the bin list
};

ManageOutcome InsertHolderSpace(Editor& editor, const ManageSelection& selection);
// `keyboard`: the arrow key moves the list's selection itself, so the command leaves it alone.
ManageOutcome MoveLevelUp(Editor& editor, const ManageSelection& selection, bool keyboard);
ManageOutcome MoveLevelDown(Editor& editor, const ManageSelection& selection, bool keyboard);
ManageOutcome CopyLevelToBin(Editor& editor, const ManageSelection& selection);
ManageOutcome PasteLevelFromBin(Editor& editor, const ManageSelection& selection);
ManageOutcome RenameLevel(Editor& editor, const ManageSelection& selection);
ManageOutcome DeleteLevel(Editor& editor, const ManageSelection& selection);
ManageOutcome RemoveLevelSpace(Editor& editor, const ManageSelection& selection);
ManageOutcome DeleteBinLevel(Editor& editor, const ManageSelection& selection);
ManageOutcome ClearBin(Editor& editor);

// The first free bin slot, 1 to 999, or 0 when every slot is taken.
int FindFreeBinSlot(const ManageState& manage);

// The bin list: the titles of the filled bin slots in slot order.
std::vector<std::string> LevelBinTitles(const ManageState& manage);

// The bin slot that bin list position `entry` designates, or 0 when it designates none.
int BinSlotOfEntry(const ManageState& manage, int entry);

}  // namespace brolt::editor
