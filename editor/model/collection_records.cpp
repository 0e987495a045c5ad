#include "editor/model/collection_records.h"

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "editor/model/collection_contents.h"
#include "editor/model/level_files.h"
#include "editor/model/trim_trailing_spaces.h"

namespace brolt::editor {

std::vector<std::string> ReadCollectionRecords(const std::filesystem::path& file) {
  std::vector<std::string> records;
  const std::optional<std::string> bytes = ReadWholeFile(file);
  if (!bytes) return records;
  for (long slot = 1; slot <= kMaxCollectionLevels; ++slot) {
    std::string record = SlotRecord(*bytes, slot);
    if (record.empty()) break;
    records.push_back(std::move(record));
  }
  return records;
}

void LoadCollectionRecords(Editor& editor, std::string_view file) {
  editor.manage.ManageRecords = ReadCollectionRecords(CollectionPath(editor, file));
}

void SaveCollectionRecords(Editor& editor, std::string_view file) {
  std::vector<std::string> records;
  for (const std::string& record : editor.manage.ManageRecords) {
    if (record.empty() || records.size() == static_cast<std::size_t>(kMaxCollectionLevels)) break;
    records.push_back(record);
  }
  WriteCollection(CollectionPath(editor, file), records);
}

std::vector<std::string> LevelListEntries(const std::vector<std::string>& records) {
  std::vector<std::string> entries;
  for (std::size_t i = 0; i < records.size(); ++i)
    entries.push_back(PadNumber(static_cast<std::int64_t>(i + 1), 3) + "   " + TrimTrailingSpaces(records[i]));
  if (records.size() < static_cast<std::size_t>(kMaxCollectionLevels))
    entries.push_back(PadNumber(static_cast<std::int64_t>(records.size() + 1), 3) + "   ");
  return entries;
}

bool RefuseCollectionWithGap(Editor& editor, std::string_view file) {
  const std::optional<std::string> bytes = ReadWholeFile(CollectionPath(editor, file));
  if (!bytes) return false;
  long firstEmpty = 1;  // a slot past the end reads empty
  while (!SlotRecord(*bytes, firstEmpty).empty()) ++firstEmpty;
  const std::size_t behind = std::min(bytes->size(), static_cast<std::size_t>(firstEmpty) * kSlotLength);
  if (!HoldsAnyRecord(std::string_view(*bytes).substr(behind))) return false;
  editor.ui.dialogs->ShowMessageBox(
      "This collection has an empty slot before some of its levels, which level management would lose. "
      "The file is left as it is.",
      ButtonSet::OK, "");
  return true;
}

bool IsHolderEntry(std::string_view entry) {
  return entry.size() > 6 && IsHolderRecord(entry.substr(6, kHolderRecord.size()));
}

}  // namespace brolt::editor
