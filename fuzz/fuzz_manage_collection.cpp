// Any bytes as a collection in level management: its records load, list and preview without a
// fault, and saving them and loading them again gives the same records.
#include <cstddef>
#include <cstdint>

#include "editor/model/collections/collection_contents.h"
#include "editor/model/collections/collection_records.h"
#include "editor/model/collections/level_preview.h"
#include "fuzz/support/fuzz_levels_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brolt::editor;
  static brolt::fuzzing::FuzzLevelsFolder levels;
  Editor& editor = levels.editor;
  levels.WriteCollection("fuzz.lvl", data, size);

  LoadCollectionRecords(editor, "fuzz.lvl");
  const std::vector<std::string> records = editor.manage.ManageRecords;
  for (const std::string& entry : LevelListEntries(records)) {
    IsHolderEntry(entry);
    EntryTitle(entry);
    if (EntrySlot(entry) < 1) __builtin_trap();
  }
  for (const std::string& record : records) MakeLevelPreview(record, editor.tiles);

  SaveCollectionRecords(editor, "saved.lvl");
  LoadCollectionRecords(editor, "saved.lvl");
  if (editor.manage.ManageRecords != records) __builtin_trap();
  return 0;
}
