// Opening a full collection of 999 busy levels as the designer does: in the load dialog (the
// collection listed, one level previewed) and in level management (the records read into memory,
// the level list built, one level previewed). Each must stay under 100 ms.
#include <benchmark/benchmark.h>

#include "common/collection_file.h"
#include "common/level_record.h"
#include "common/temporary_folder.h"
#include "editor/model/collections/collection_records.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/collections/level_preview.h"
#include "editor/model/collections/load_dialog_rules.h"

namespace brolt {
namespace {

// A program folder whose Levels folder holds "full.lvl": 999 levels with every cell filled.
struct FullCollectionFolder {
  TemporaryFolder folder;
  editor::Editor editor;

  FullCollectionFolder() {
    editor.AppPath = folder.Path();
    std::filesystem::create_directories(editor::LevelsFolder(editor));
    LevelRecord level;
    level.title = "Busy level";
    for (int x = 0; x < kLevelColumns; ++x)
      for (int y = 0; y < kLevelRows; ++y) level.Cell(x, y).tileCode = 1 + (x * 7 + y) % 60;
    WriteCollection(editor::CollectionPath(editor, "full.lvl"),
                    std::vector<std::string>(kMaxCollectionLevels, EncodeLevelRecord(level)));
  }
};

void BM_OpenFullCollectionInLoadDialog(benchmark::State& state) {
  FullCollectionFolder full;
  for (auto _ : state) {
    editor::LoadDialogState dialog;
    editor::PrepareLoadDialog(full.editor, dialog);
    dialog.LevelIndex = kMaxCollectionLevels - 1;
    editor::ShowPreview(full.editor, dialog);
    if (dialog.Levels.size() != kMaxCollectionLevels || !dialog.Preview.HasData) state.SkipWithError("not opened");
  }
}
BENCHMARK(BM_OpenFullCollectionInLoadDialog)->Unit(benchmark::kMillisecond);

void BM_OpenFullCollectionInLevelManagement(benchmark::State& state) {
  FullCollectionFolder full;
  editor::Editor& editor = full.editor;
  for (auto _ : state) {
    editor::LoadCollectionRecords(editor, "full.lvl");
    benchmark::DoNotOptimize(editor::LevelListEntries(editor.manage.ManageRecords));
    const std::string last = ReadSlot(editor::CollectionPath(editor, "full.lvl"), kMaxCollectionLevels);
    benchmark::DoNotOptimize(editor::MakeLevelPreview(last, editor.tiles));
  }
}
BENCHMARK(BM_OpenFullCollectionInLevelManagement)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brolt
