// One frame of play: the rules over a busy level, and the CPU side of drawing a full view.
#include <benchmark/benchmark.h>

#include "busy_level.h"
#include "game/presentation/level_drawing/level_rendering.h"
#include "game/simulation/play_update.h"

namespace brolt {
namespace {

// Counts quads instead of keeping them, so the measure is the building of the quads alone.
class CountingDevice final : public RenderDevice {
 public:
  bool LoadTexture(int, const std::filesystem::path&) override { return true; }
  void SetCamera(const Matrix4&) override {}
  void SetBlend(BlendMode) override {}
  void SetTexture(int) override {}
  void DrawWorldQuad(const Quad& quad) override { benchmark::DoNotOptimize(quad); ++quads; }
  void DrawScreenQuad(const Quad& quad) override { benchmark::DoNotOptimize(quad); ++quads; }
  void Clear() override {}
  void Present() override {}
  long quads = 0;
};

void BM_SimulationFrame(benchmark::State& state) {
  testing::TestGame test;
  bench::LoadBusyLevel(test);
  for (auto _ : state) {
    // A fresh level every few hundred frames, so that the measure stays on a busy level.
    if (test.frame % 300 == 0) {
      state.PauseTiming();
      bench::LoadBusyLevel(test);
      state.ResumeTiming();
    }
    test.PlayFrame();
  }
}
BENCHMARK(BM_SimulationFrame);

void BM_RenderLevelQuads(benchmark::State& state) {
  testing::DrawingGame test;
  bench::LoadBusyLevel(test);
  CountingDevice device;
  for (auto _ : state) RenderLevel(test.game, device);
  state.counters["quads"] = benchmark::Counter(static_cast<double>(device.quads) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_RenderLevelQuads);

}  // namespace
}  // namespace brolt
