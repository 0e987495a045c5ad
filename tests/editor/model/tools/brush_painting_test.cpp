#include "editor/model/tools/brush_painting.h"

#include <gtest/gtest.h>

#include <tuple>

#include "editor/model/tools/brush_size.h"
#include "editor/model/tools/saturation.h"
#include "editor/model/window/brush_outline.h"
#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kGrass;
using testing::kThresher;
using testing::kWall;

// Boxes that are not shown are equal whatever cells they name.
bool SameBox(const CellBox& a, const CellBox& b) {
  return a.Visible == b.Visible &&
         (!a.Visible || std::tie(a.Left, a.Top, a.Right, a.Bottom) == std::tie(b.Left, b.Top, b.Right, b.Bottom));
}

// Outside the level nothing is painted, so the old copy stays.
TEST(PlaceTile, AUniqueTileMovesToExactlyOneCellWhateverTheBrushAndTheSaturationAndNeverLeavesTheLevel) {
  struct Case {
    const char* name;
    int column, brushSize, saturation;
    bool oneCell;
  };
  for (const Case& c : {Case{"wide brush", 10, 3, 100, false}, Case{"one cell at a low saturation", 10, 1, 5, true},
                        Case{"the spare column", kLevelSize, 1, 100, true}}) {
    CanvasTestEditor t;
    t.editor.tools.PrimaryTile = kThresher;
    t.editor.tools.PrimaryDirection = 2;
    t.editor.tools.BrushSize = static_cast<std::int16_t>(c.brushSize);
    t.editor.tools.Saturation = static_cast<std::int16_t>(c.saturation);
    t.Cell(40, 40) = MapCell{kThresher, 3, 0, false};
    PlaceTile(t.editor, c.column, 10, c.oneCell, false);
    EXPECT_EQ(t.CountTile(kThresher), 1) << c.name;
    const bool moved = c.column < kLevelSize;
    EXPECT_EQ(t.Cell(40, 40).TileCode, moved ? 0 : kThresher) << c.name;
    EXPECT_EQ(t.Cell(10, 10), (moved ? MapCell{kThresher, 2, 0, false} : MapCell{})) << c.name;
  }
}

TEST(PlaceTile, ASingleCellReplacesWhatItHoldsAndACellOutsideTheLevelIsOnlyRemembered) {
  CanvasTestEditor t;
  t.editor.tools.SecondaryTile = kGrass;
  t.Cell(4, 4).TileCode = kWall;  // Overwrite is off
  PlaceTile(t.editor, 4, 4, true, true);
  EXPECT_EQ(t.Tile(4, 4), kGrass);
  EXPECT_EQ(t.canvas.redrawnCells, (std::vector<std::pair<int, int>>{{4, 4}}));
  const LevelMap before = t.editor.level.Map;
  PlaceTile(t.editor, 50, 3, true, false);
  EXPECT_EQ(t.editor.level.Map, before);
  EXPECT_EQ(t.editor.input.LastPaintX, 50);
  EXPECT_EQ(t.editor.input.LastPaintY, 3);
}

TEST(SetSaturation, KeepsThePercentWithinOneToAHundredAndPaintsAlwaysAtTheTopAndRarelyButStillAtTheBottom) {
  // A full saturation paints every cell, a half one about one in ten, and the lowest, which has no tens
  // to share the draws, still one in a hundred.
  const std::tuple<int, int, double> cases[] = {
      {250, 100, 1.0}, {100, 100, 1.0}, {95, 95, 1.0}, {91, 91, 0.9}, {50, 50, 5.0 / 51},
      {10, 10, 1.0 / 91}, {5, 5, 1.0 / 96}, {1, 1, 0.01}, {0, 1, 0.01}};
  for (const auto& [asked, kept, share] : cases) {  // asked, kept, share painted
    CanvasTestEditor t;
    t.editor.random.Seed(2024);
    SetSaturation(t.editor, asked);
    EXPECT_EQ(t.editor.tools.Saturation, kept) << asked;
    constexpr int kDraws = 100000;
    int painted = 0;
    for (int i = 0; i < kDraws; ++i) painted += RandomChance(t.editor) ? 1 : 0;
    EXPECT_NEAR(static_cast<double>(painted) / kDraws, share, 0.01) << asked;
  }
}

TEST(SetBrushSize, SizesTheBrushOrTheThicknessSaysWhichAndResizesTheOutlineInPlace) {
  const std::tuple<int, int, int, const char*> cases[] = {  // tool, asked, kept, status
      {kBrushTool, 3, 3, "Selects the brush size of 5x5"},
      {kBrushTool, 0, 1, "Selects the brush size of 1x1"},
      {kRectangleTool, 2, 2, "Selects thickness of 2"}};
  for (const auto& [tool, asked, kept, status] : cases) {
    CanvasTestEditor t;
    t.editor.tools.CurrentTool = static_cast<std::int16_t>(tool);
    t.editor.clipboard.ClipboardFilled = true;
    t.editor.clipboard.PasteMode = true;
    t.editor.input.MouseIsDown = true;
    t.PointAt(20, 20);
    MoveBrush(t.editor);
    SetBrushSize(t.editor, asked);
    EXPECT_EQ(t.editor.tools.BrushSize, kept);
    EXPECT_EQ(t.window.status[0].text, status);
    EXPECT_FALSE(t.editor.clipboard.PasteMode);
    EXPECT_EQ(t.editor.preview.BrushOutline.Left, 20 - (kept - 1)) << status;  // 2n - 1 cells around column 20
  }
}

TEST(SetBoundries, HoldsThePointerToTheWholeCellsInViewAndToTheLevel) {
  // Each case: its name, the first column in view, the pointer's x and where it is held.
  const std::tuple<const char*, std::int16_t, std::int16_t, std::int16_t> cases[] = {
      {"last pixel of column 48 counts as 49", 30, 979, 980},
      {"first column in view snaps to its edge", 10, 207, 200},
      {"a drag out to the right keeps the last whole cell in view", 0, 600, 419},
  };
  for (const auto& [name, viewX, mouseX, expected] : cases) {
    CanvasTestEditor t;
    t.editor.view.ViewX = viewX;
    t.editor.view.ViewportWidth = 425;
    t.editor.view.ViewportHeight = 425;
    t.editor.input.MouseX = mouseX;
    t.editor.input.MouseY = 105;
    SetBoundries(t.editor);
    EXPECT_EQ(t.editor.input.MouseX, expected) << name;
    EXPECT_EQ(t.editor.input.MouseY, 105) << name;
  }
}

TEST(MoveBrush, PlacesTheSquareAndTheBandsByTool) {
  struct Case {
    const char* name;
    int tool;
    std::int16_t size;
    bool buttonDown;
    int column, row;
    CellBox square, rowBand, columnBand;
  };
  const Case cases[] = {
      {"brush of 5 at the right edge stays in the level", kBrushTool, 3, true, 49, 49,
       {45, 45, 49, 49, true}, {0, 45, 49, 49, true}, {45, 0, 49, 49, true}},
      {"brush with no button held shows only the bands", kBrushTool, 2, false, 7, 9,
       {}, {0, 8, 49, 10, true}, {6, 0, 8, 49, true}},
      {"a brush wider than the level covers it, from column 0", kBrushTool, 40, true, 25, 25,
       {0, 0, 49, 49, true}, {0, 0, 49, 49, true}, {0, 0, 49, 49, true}},
      {"fill bands cross at the cursor cell", kFillTool, 3, true, 7, 9,
       {}, {0, 9, 49, 9, true}, {7, 0, 7, 49, true}},
      {"preview start bands are as wide as the brush", kPreviewStartTool, 2, false, 7, 9,
       {}, {0, 8, 49, 10, true}, {6, 0, 8, 49, true}},
      {"the selector shows nothing", kSelectorTool, 1, true, 7, 9, {}, {}, {}},
  };
  for (const Case& c : cases) {
    CanvasTestEditor t;
    t.editor.tools.CurrentTool = static_cast<std::int16_t>(c.tool);
    t.editor.tools.BrushSize = c.size;
    t.editor.input.MouseIsDown = c.buttonDown;
    t.PointAt(c.column, c.row);
    MoveBrush(t.editor);
    EXPECT_TRUE(SameBox(t.editor.preview.BrushOutline, c.square)) << c.name;
    EXPECT_TRUE(SameBox(t.editor.preview.GuideRow, c.rowBand)) << c.name;
    EXPECT_TRUE(SameBox(t.editor.preview.GuideColumn, c.columnBand)) << c.name;
  }
}

}  // namespace
}  // namespace brolt::editor
