#include "editor/model/brush_painting.h"

#include <gtest/gtest.h>

#include "editor/model/brush_size.h"
#include "editor/model/paste_mode.h"
#include "editor/model/saturation.h"
#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kGrass;
using testing::kThresher;
using testing::kWall;

struct UniqueCase {
  const char* name;
  bool copyInLevel;
  int brushSize;
  int saturation;
  bool oneCell;
};

TEST(PlaceTile, AUniqueTileRemovesItsOldCopyAndPaintsExactlyOneCell) {
  for (const UniqueCase& c : {UniqueCase{"wide brush", true, 3, 100, false},
                              UniqueCase{"no copy yet, wide brush", false, 3, 100, false},
                              UniqueCase{"low saturation never loses the tile", true, 1, 10, false},
                              UniqueCase{"single cell", true, 1, 5, true}}) {
    CanvasTestEditor t;
    t.editor.tools.PrimaryTile = kThresher;
    t.editor.tools.PrimaryDirection = 2;
    t.editor.tools.BrushSize = static_cast<std::int16_t>(c.brushSize);
    t.editor.tools.Saturation = static_cast<std::int16_t>(c.saturation);
    t.editor.tools.Overwrite = true;
    if (c.copyInLevel) t.Cell(40, 40) = MapCell{kThresher, 3, 0, false};
    PlaceTile(t.editor, 10, 10, c.oneCell, false);
    EXPECT_EQ(t.CountTile(kThresher), 1) << c.name;
    EXPECT_EQ(t.Cell(10, 10).TileCode, kThresher) << c.name;
    EXPECT_EQ(t.Cell(10, 10).Direction, 2) << c.name;
  }
}

struct SquareCase {
  const char* name;
  bool overwrite;
  int paintedTile;
  bool erase;
  int expectedOnWall;
  int expectedOnEmpty;
};

TEST(PlaceTile, TheBrushSquareHonoursOverwriteExceptForTheEmptyTileAndTheEraser) {
  for (const SquareCase& c : {SquareCase{"overwrite off", false, kGrass, false, kWall, kGrass},
                              SquareCase{"overwrite on", true, kGrass, false, kGrass, kGrass},
                              SquareCase{"empty tile", false, 0, false, 0, 0},
                              SquareCase{"erasing", false, kGrass, true, 0, 0}}) {
    CanvasTestEditor t;
    t.editor.tools.BrushSize = 2;  // three cells wide: columns and rows 9..11
    t.editor.tools.Overwrite = c.overwrite;
    t.editor.tools.PrimaryTile = static_cast<std::int16_t>(c.paintedTile);
    if (c.erase) t.editor.input.HeldKey = kSpaceKey;
    t.Cell(9, 9).TileCode = kWall;
    t.Cell(12, 10).TileCode = kWall;  // just outside the square
    PlaceTile(t.editor, 10, 10, false, false);
    EXPECT_EQ(t.Tile(9, 9), c.expectedOnWall) << c.name;
    EXPECT_EQ(t.Tile(11, 11), c.expectedOnEmpty) << c.name;
    EXPECT_EQ(t.Tile(12, 10), kWall) << c.name;
    EXPECT_EQ(t.Tile(8, 10), 0) << c.name;
  }
}

TEST(PlaceTile, ErasingEmptiesEveryCellWhateverTheSaturationAndLeavesOtherUniqueCopies) {
  CanvasTestEditor t;
  t.editor.tools.BrushSize = 3;
  t.editor.tools.Saturation = 10;
  t.editor.tools.PrimaryTile = kThresher;
  t.editor.input.HeldKey = kSpaceKey;
  for (int x = 8; x <= 12; ++x) {
    for (int y = 8; y <= 12; ++y) t.Cell(x, y) = MapCell{kWall, 2, 0, false};
  }
  t.Cell(30, 30).TileCode = kThresher;
  PlaceTile(t.editor, 10, 10, false, false);
  EXPECT_EQ(t.CountTile(kWall), 0);
  EXPECT_EQ(t.Cell(8, 12), MapCell{});
  EXPECT_EQ(t.Tile(30, 30), kThresher);
}

TEST(PlaceTile, ASingleCellReplacesWhatTheCellHoldsEvenWithOverwriteOff) {
  CanvasTestEditor t;
  t.editor.tools.SecondaryTile = kGrass;
  t.Cell(4, 4).TileCode = kWall;
  PlaceTile(t.editor, 4, 4, true, true);
  EXPECT_EQ(t.Tile(4, 4), kGrass);
  EXPECT_EQ(t.canvas.redrawnCells, (std::vector<std::pair<int, int>>{{4, 4}}));
}

TEST(PlaceTile, ACellOutsideTheLevelChangesNothingButIsRememberedAsTheLastPainted) {
  CanvasTestEditor t;
  const LevelMap before = t.editor.level.Map;
  PlaceTile(t.editor, 50, 3, true, false);
  EXPECT_EQ(t.editor.level.Map, before);
  EXPECT_EQ(t.editor.input.LastPaintX, 50);
  EXPECT_EQ(t.editor.input.LastPaintY, 3);
  EXPECT_EQ(t.UndoSteps(), 0);
}

struct EdgeCase {
  int cell;
  int first;
  int last;
};

TEST(BrushSquareAround, KeepsTheSquareInsideTheLevel) {
  ToolState tools;
  tools.BrushSize = 3;  // five cells wide
  for (const EdgeCase& c : {EdgeCase{0, 0, 4}, EdgeCase{1, 0, 4}, EdgeCase{20, 18, 22}, EdgeCase{49, 45, 49}}) {
    const CellBox square = BrushSquareAround(tools, c.cell, c.cell);
    EXPECT_EQ(square.Left, c.first) << c.cell;
    EXPECT_EQ(square.Right, c.last) << c.cell;
    EXPECT_EQ(square.Top, c.first) << c.cell;
    EXPECT_EQ(square.Bottom, c.last) << c.cell;
  }
  tools.BrushSize = 40;  // wider than the level
  const CellBox whole = BrushSquareAround(tools, 25, 25);
  EXPECT_EQ(whole.Left, 0);
  EXPECT_EQ(whole.Right, 49);
}

struct ChanceCase {
  int saturation;
  double share;
};

TEST(RandomChance, PaintsTheSaturationsShareOfTheDraws) {
  for (const ChanceCase& c : {ChanceCase{100, 1.0}, ChanceCase{95, 1.0}, ChanceCase{91, 0.9}, ChanceCase{50, 5.0 / 51},
                              ChanceCase{10, 1.0 / 91}, ChanceCase{5, 1.0 / 96}, ChanceCase{1, 1.0 / 100}}) {
    CanvasTestEditor t;
    t.editor.random.Seed(2024);
    SetSaturation(t.editor, c.saturation);
    constexpr int kDraws = 100000;
    int painted = 0;
    for (int i = 0; i < kDraws; ++i) painted += RandomChance(t.editor) ? 1 : 0;
    EXPECT_NEAR(static_cast<double>(painted) / kDraws, c.share, 0.01) << c.saturation;
  }
}

struct SaturationCase {
  int asked;
  int kept;
  const char* caption;
};

TEST(SetSaturation, KeepsThePercentWithinOneToAHundredAndShowsIt) {
  for (const SaturationCase& c : {SaturationCase{50, 50, "50%"}, SaturationCase{0, 1, "1%"}, SaturationCase{250, 100, "100%"}}) {
    CanvasTestEditor t;
    SetSaturation(t.editor, c.asked);
    EXPECT_EQ(t.editor.tools.Saturation, c.kept);
    EXPECT_EQ(t.window.saturationCaption, c.caption);
  }
}

struct SizeCase {
  int tool;
  int asked;
  int kept;
  const char* status;
};

TEST(SetBrushSize, SizesTheBrushOrTheThicknessAndSaysWhich) {
  for (const SizeCase& c : {SizeCase{kBrushTool, 3, 3, "Selects the brush size of 5x5"},
                            SizeCase{kBrushTool, 0, 1, "Selects the brush size of 1x1"},
                            SizeCase{kRectangleTool, 2, 2, "Selects thickness of 2"}}) {
    CanvasTestEditor t;
    t.editor.tools.CurrentTool = static_cast<std::int16_t>(c.tool);
    t.editor.clipboard.Filled = true;
    t.editor.clipboard.PasteMode = true;
    SetBrushSize(t.editor, c.asked);
    EXPECT_EQ(t.editor.tools.BrushSize, c.kept);
    EXPECT_EQ(t.window.brushSizeShown, c.kept);
    EXPECT_EQ(t.window.status[0].text, c.status);
    EXPECT_TRUE(t.window.status[0].bold);
    EXPECT_FALSE(t.editor.clipboard.PasteMode);
  }
}

}  // namespace
}  // namespace brolt::editor
