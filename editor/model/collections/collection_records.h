#pragma once
// A collection read into memory and written back whole: the storage side of level management,
// shared with the compile.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::editor {

// The records of a collection file from slot 1 up to the first empty one, at most 999. A missing
// file reads as no records. Throws FileError when the file exists but cannot be read.
std::vector<std::string> ReadCollectionRecords(const std::filesystem::path& file);

// The records of the collection `file` of the levels folder, read for a command that writes them back
// whole, in place or as a copy. None, after saying why, when the file holds a level behind an empty
// slot: records read up to that slot would lose it. Throws as above.
std::optional<std::vector<std::string>> ReadRecordsToRewrite(Editor& editor, std::string_view file);

// ManageRecords = ReadRecordsToRewrite's records; false when it has none. When it throws or refuses,
// ManageRecords stay as they were.
bool LoadCollectionRecords(Editor& editor, std::string_view file);

// Replaces the collection `file` by ManageRecords up to the first empty one, atomically: a failed
// write (FileError) leaves the old file.
void SaveCollectionRecords(Editor& editor, std::string_view file);

// The level list of a collection: "NNN   title" per record, then the free entry "NNN   " for the
// first empty slot while the collection holds fewer than 999 levels.
std::vector<std::string> LevelListEntries(const std::vector<std::string>& records);

// Whether a level list entry shows a holder space.
bool IsHolderEntry(std::string_view entry);

}  // namespace brolt::editor
