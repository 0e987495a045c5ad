// Counting and reading a full collection: what the collection list does on every move.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "common/collection_file.h"
#include "common/level_record.h"

namespace {

// A 999-level collection in the temporary folder, written once and removed when the program ends.
struct FullCollection {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("brolt-bench-" + std::to_string(::getpid()) + ".lvl");
  FullCollection() {
    brolt::LevelRecord level;
    level.title = "Bench";
    brolt::WriteCollection(path, std::vector<std::string>(brolt::kMaxCollectionLevels, brolt::EncodeLevelRecord(level)));
  }
  ~FullCollection() { std::filesystem::remove(path); }
};

const std::filesystem::path& WriteFullCollection() {
  static const FullCollection collection;
  return collection.path;
}

void BM_CountFullCollection(benchmark::State& state) {
  auto file = WriteFullCollection();
  for (auto _ : state) benchmark::DoNotOptimize(brolt::CountFilledSlots(file));
}
BENCHMARK(BM_CountFullCollection);

void BM_ReadAndDecodeLastLevel(benchmark::State& state) {
  auto file = WriteFullCollection();
  for (auto _ : state)
    benchmark::DoNotOptimize(brolt::DecodeLevelRecord(brolt::ReadSlot(file, brolt::kMaxCollectionLevels)));
}
BENCHMARK(BM_ReadAndDecodeLastLevel);

}  // namespace
