#include "editor/model/collections/collection_contents.h"

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/services/trim_trailing_spaces.h"

namespace brolt::editor {

int CollectionContents::LevelsBeforeTag() const {
  int levels = 0;
  while (levels < static_cast<int>(Records.size()) && !TrimTrailingSpaces(Records[static_cast<std::size_t>(levels)]).empty())
    ++levels;
  return levels;
}

CollectionContents ReadCollectionContents(const Editor& editor, std::string_view file) {
  CollectionContents contents;
  const auto bytes = ReadWholeFile(CollectionPath(editor, file));
  if (!bytes) return contents;
  for (long slot = 1; slot <= kMaxCollectionLevels; ++slot) {
    std::string record = SlotRecord(*bytes, slot);
    if (record.empty()) break;
    contents.Records.push_back(std::move(record));
  }
  contents.Compiled =
      !contents.Records.empty() && IsCompiledMarker(FieldText(contents.Records.front(), level_field::CompiledMarker));
  return contents;
}

bool IsCompiledCollection(const Editor& editor, std::string_view file) {
  return IsCompiledMarker(FieldText(ReadSlot(CollectionPath(editor, file), 1), level_field::CompiledMarker));
}

bool HoldsAnyRecord(std::string_view fileBytes) {
  const long slots = static_cast<long>((fileBytes.size() + kSlotLength - 1) / kSlotLength);
  for (long slot = 1; slot <= slots; ++slot)
    if (!SlotRecord(fileBytes, slot).empty()) return true;
  return false;
}

std::string LevelListEntry(int slot, std::string_view record) {
  return PadNumber(slot, 3) + "   " + TrimTrailingSpaces(record);
}

std::vector<std::string> LevelListEntries(const CollectionContents& contents) {
  std::vector<std::string> entries;
  for (std::size_t i = 0; i < contents.Records.size(); ++i)
    entries.push_back(LevelListEntry(static_cast<int>(i) + 1, contents.Records[i]));
  return entries;
}

std::string EntryTitle(std::string_view entry) { return entry.size() > 6 ? std::string(entry.substr(6)) : std::string(); }

int EntrySlot(std::string_view entry) { return LeadingNumber(entry.substr(0, 3)); }

std::string ChosenEntry(const std::vector<std::string>& entries, int index) {
  return index >= 0 && index < static_cast<int>(entries.size()) ? entries[static_cast<std::size_t>(index)]
                                                                : std::string();
}

}  // namespace brolt::editor
