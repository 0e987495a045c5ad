#include "editor/model/collections/collection_records.h"

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "editor/model/collections/collection_contents.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/services/trim_trailing_spaces.h"

namespace brolt::editor {

namespace {
std::vector<std::string> RecordsUpToFirstEmptySlot(const std::string& bytes) {
  std::vector<std::string> records;
  for (long slot = 1; slot <= kMaxCollectionLevels; ++slot) {
    std::string record = SlotRecord(bytes, slot);
    if (record.empty()) break;
    records.push_back(std::move(record));
  }
  return records;
}
}  // namespace

std::vector<std::string> ReadCollectionRecords(const std::filesystem::path& file) {
  const std::optional<std::string> bytes = ReadWholeFile(file);
  return bytes ? RecordsUpToFirstEmptySlot(*bytes) : std::vector<std::string>{};
}

std::optional<std::vector<std::string>> ReadRecordsToRewrite(Editor& editor, std::string_view file) {
  const std::optional<std::string> bytes = ReadWholeFile(CollectionPath(editor, file));
  if (!bytes) return std::vector<std::string>{};
  std::vector<std::string> records = RecordsUpToFirstEmptySlot(*bytes);
  const std::size_t behind = std::min(bytes->size(), (records.size() + 1) * kSlotLength);
  if (!HoldsAnyRecord(std::string_view(*bytes).substr(behind))) return records;
  editor.ui.dialogs->ShowMessageBox(
      "This collection has an empty slot before some of its levels, which level management would lose. "
      "The file is left as it is.",
      ButtonSet::OK, "");
  return std::nullopt;
}

bool LoadCollectionRecords(Editor& editor, std::string_view file) {
  std::optional<std::vector<std::string>> records = ReadRecordsToRewrite(editor, file);
  if (!records) return false;
  editor.manage.ManageRecords = std::move(*records);
  return true;
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

bool IsHolderEntry(std::string_view entry) {
  return entry.size() > 6 && IsHolderRecord(entry.substr(6, kHolderRecord.size()));
}

}  // namespace brolt::editor
