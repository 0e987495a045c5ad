// Filling the whole level with the fill tool: the region search over all 2500 cells and the painting
// of each, as a click on an empty level does it.
#include <benchmark/benchmark.h>

#include "editor/model/tools/flood_fill.h"

namespace {

void BM_FillWholeLevel(benchmark::State& state) {
  brolt::editor::Editor editor;
  editor.view.TileSize = 20;
  editor.input.MouseX = 500;
  editor.input.MouseY = 500;
  std::int16_t tile = 45;
  for (auto _ : state) {
    // Each fill repaints the whole level, now one region of the previous tile, with another tile.
    editor.tools.PrimaryTile = tile;
    brolt::editor::FillArea(editor, false, false);
    tile = tile == 45 ? 2 : 45;
    benchmark::DoNotOptimize(editor.level.Map);
  }
}
BENCHMARK(BM_FillWholeLevel)->Unit(benchmark::kMicrosecond);

}  // namespace
