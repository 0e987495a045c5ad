#pragma once
// A collection file as the editor's lists see it: its records up to the first empty slot, whether it
// is compiled, and the list entries "NNN   Title" built from them.
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::editor {

struct CollectionContents {
  std::vector<std::string> Records;  // slot 1 on, up to the first empty one, at most 999
  bool Compiled = false;             // record 1 carries the compiled marker, in either case
  // The records before the first one with a blank title: in a compiled collection that one is the
  // tag record, and only these are levels.
  int LevelsBeforeTag() const;
};

// Reads the collection in one go; a missing file has no records. Throws FileError when it can't be read.
CollectionContents ReadCollectionContents(const Editor& editor, std::string_view file);

// Whether record 1 of the collection carries the compiled marker, in either case. Reads that record
// only, so that listing the collections stays cheap however full they are. Throws FileError when
// the file can't be read.
bool IsCompiledCollection(const Editor& editor, std::string_view file);

// Whether any slot of a collection file's bytes holds a record, not only the slots before the first
// empty one.
bool HoldsAnyRecord(std::string_view fileBytes);

// The list entry of a slot: its number in three digits, three spaces and the record's title.
std::string LevelListEntry(int slot, std::string_view record);
std::vector<std::string> LevelListEntries(const CollectionContents& contents);
// The title part of an entry, after its first six characters; empty for a free slot or a tag record.
std::string EntryTitle(std::string_view entry);
// The slot number an entry starts with.
int EntrySlot(std::string_view entry);

// The entry at `index` of a list, or "" when the index chooses none.
std::string ChosenEntry(const std::vector<std::string>& entries, int index);

}  // namespace brolt::editor
