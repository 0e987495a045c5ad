// Repainting the editor's level canvas into its window: a full level, the whole viewport of a large
// window, at the zoom that shows the whole level and at the largest zoom. Each must stay within a
// quarter of a 60 Hz frame, 4 ms.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "editor/model/canvas/zoom.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/ui/canvas/canvas_viewport.h"
#include "editor/ui/canvas/level_canvas.h"

namespace brolt {
namespace {

constexpr int kViewportWidth = 1600;
constexpr int kViewportHeight = 1100;

void BM_RepaintFullLevel(benchmark::State& state) {
  editor::Editor editor;
  testing::FillSyntheticCatalogue(editor.tiles);
  for (int x = 0; x < editor::kLevelSize; ++x)
    for (int y = 0; y < editor::kLevelSize; ++y)
      editor.level.Cell(x, y) = editor::MapCell{static_cast<std::int16_t>(1 + (x * 3 + y) % 64),
                                                static_cast<std::int16_t>((x + y) % 5), 0, false};
  editor.prefs.ShowGrid = true;
  editor.prefs.GridDark = "40,40,90";
  editor.prefs.GridLight = "200,200,255";
  const editor::TilesetPictures pictures = testing::SyntheticTileset();
  editor::LevelCanvas canvas(editor, pictures);
  editor.ui.canvas = &canvas;
  canvas.resize(kViewportWidth, kViewportHeight);
  canvas.show();
  editor::SetZoom(editor, static_cast<int>(state.range(0)));
  QCoreApplication::processEvents();
  // The first repaint stretches the tiles' pictures to the zoom; every later one only copies them.
  canvas.Viewport().repaint();
  for (auto _ : state) canvas.Viewport().repaint();
}
BENCHMARK(BM_RepaintFullLevel)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brolt

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
