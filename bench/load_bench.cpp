// Loading a level into the live grid, and unpacking the graphics pack.
#include <benchmark/benchmark.h>

#include "busy_level.h"
#include "common/file_io.h"
#include "common/pack_format.h"
#include "common/temporary_folder.h"
#include "game/core/files/pack_file.h"
#include "game/core/level/level_loading.h"

namespace brolt {
namespace {

void BM_LoadLevel(benchmark::State& state) {
  testing::TestGame test;
  test.LoadPicture(bench::BusyPicture());
  for (auto _ : state) LoadLevel(test.game, 1);
}
BENCHMARK(BM_LoadLevel);

// A pack the size of the shipped one: seventeen 192 KiB pictures and 28 short sounds.
void BM_UnpackPack(benchmark::State& state) {
  TemporaryFolder source;
  std::vector<PackEntry> entries;
  for (int i = 0; i < 17; ++i) entries.push_back({{"picture" + std::to_string(i) + ".BMP"}, std::string(196662, 'p')});
  for (int i = 0; i < 28; ++i) entries.push_back({{"sound" + std::to_string(i) + ".wav"}, std::string(30000, 's')});
  const auto pack = source.Path() / "Brolt.pak";
  ReplaceFileAtomically(pack, EncodePack(entries));
  for (auto _ : state) {
    TemporaryFolder unpacked;
    UnpackPackFile(pack, unpacked.Path());
  }
}
BENCHMARK(BM_UnpackPack);

}  // namespace
}  // namespace brolt
