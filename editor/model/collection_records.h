#pragma once
// A collection read into memory and written back whole: the storage side of level management,
// shared with the compile.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::editor {

// The records of a collection file from slot 1 up to the first empty one, at most 999. A missing
// file reads as no records. Throws FileError when the file exists but cannot be read.
std::vector<std::string> ReadCollectionRecords(const std::filesystem::path& file);

// ManageRecords = the records of the collection `file` of the levels folder; throws as above and
// then leaves ManageRecords as they were.
void LoadCollectionRecords(Editor& editor, std::string_view file);

// Replaces the collection `file` by ManageRecords up to the first empty one, atomically: a failed
// write (FileError) leaves the old file.
void SaveCollectionRecords(Editor& editor, std::string_view file);

// The level list of a collection: "NNN   title" per record, then the free entry "NNN   " for the
// first empty slot while the collection holds fewer than 999 levels.
std::vector<std::string> LevelListEntries(const std::vector<std::string>& records);

// True, after saying why, when the collection `file` holds a level behind an empty slot: management
// reads a collection only up to that slot, so writing it back would lose those levels. Throws
// FileError when the file exists but cannot be read.
bool RefuseCollectionWithGap(Editor& editor, std::string_view file);

// Whether a level list entry shows a holder space.
bool IsHolderEntry(std::string_view entry);

}  // namespace brolt::editor
