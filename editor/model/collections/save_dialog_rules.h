#pragma once
// The save dialog's rules: which slots a collection offers, the title a slot suggests, and the
// checks of its Save button. The dialog widget shows SaveDialogState and calls these.
#include <string>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::editor {

struct SaveDialogState {
  std::vector<std::string> Files;  // the collections offered
  int FileIndex = -1;
  std::vector<std::string> Slots;  // "NNN   Title" per record, then the free slot "NNN   "
  int SlotIndex = -1;
  int FreeSlot = 0;        // the slot number of the free entry, 0 when none is offered
  int LevelSlots = 0;      // slots 1..LevelSlots hold levels; a later record is a compiled collection's tag
  std::string Title;       // the title box, at most kMaxTitleLength characters

  std::string File() const;
};

constexpr int kMaxTitleLength = 29;

// Fills the collections (LevelFile chosen) and the title; false when there is no collection to save into.
bool PrepareSaveDialog(Editor& editor, SaveDialogState& state);

// Lists the slots of the chosen collection and chooses the free one. A compiled collection offers no
// free slot: a level after its tag record would be read as the tag. Unreadable: no slot at all.
void ListSaveSlots(Editor& editor, SaveDialogState& state);

// Choosing a slot: the free slot suggests the level's own title, a used one the title it would replace.
void ChooseSaveSlot(Editor& editor, SaveDialogState& state, int index);

// The Save button: a title (neither blank nor "Untitled" in any case), a chosen level slot, and the
// overwrite question. True when accepted.
bool AcceptSaveDialog(Editor& editor, SaveDialogState& state);

// After level management changed collections from the dialog: the same collection (its exact name,
// else in any case) and slot chosen again where they still exist.
void ReselectAfterManagement(Editor& editor, SaveDialogState& state, const std::string& file, int slotIndex);

// The "..." button: level management on the chosen collection, the level being saved left open as
// it is, then the collections listed again with the same one and slot chosen.
void ManageFromSaveDialog(Editor& editor, SaveDialogState& state);

}  // namespace brolt::editor
