#include "editor/model/tools/flood_fill.h"

#include <gtest/gtest.h>

#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kCannon;
using testing::kGrass;
using testing::kThresher;
using testing::kWall;

TEST(FillArea, FillsTheFourConnectedRegionOfTheSameTileFacingAnyWayAndAUniqueTileEndsOnItsLastCell) {
  for (const auto& [tile, count] : {std::pair{kGrass, 9}, std::pair{kThresher, 1}}) {
    // Cannons facing every way inside a ring of walls around columns and rows 11..13, and one more at
    // the ring's missing corner (14, 14), which touches the inside only diagonally.
    CanvasTestEditor t;
    for (int i = 10; i <= 14; ++i) {
      t.Cell(i, 10).TileCode = kWall;
      t.Cell(10, i).TileCode = kWall;
      if (i < 14) t.Cell(i, 14).TileCode = t.Cell(14, i).TileCode = kWall;
    }
    for (int x = 11; x <= 14; ++x)
      for (int y = 11; y <= 14; ++y)
        if (t.Tile(x, y) == 0) t.Cell(x, y) = MapCell{kCannon, static_cast<std::int16_t>((x + y) % 4 + 1)};
    t.editor.tools.SecondaryTile = static_cast<std::int16_t>(tile);
    t.PointAt(11, 11);
    FillArea(t.editor, true, false);
    EXPECT_EQ(t.CountTile(tile), count) << tile;
    EXPECT_EQ(t.Tile(13, 13), tile) << tile;  // last in painting order
    EXPECT_EQ(t.CountTile(kCannon), 1) << tile;
    EXPECT_EQ(t.Tile(14, 14), kCannon) << tile;
    EXPECT_EQ(t.CountTile(kWall), 15) << tile;
    EXPECT_EQ(t.UndoSteps(), 0) << tile;  // the caller records the step
  }
}

// Filling a region with the tile it already holds turns every cell of it to the chosen direction.
TEST(FillArea, TakesTheSameTileInAnyDirectionAndStopsAtOtherTiles) {
  CanvasTestEditor t;
  t.Cell(0, 0) = MapCell{kCannon, 1, 0, false};
  t.Cell(1, 0) = MapCell{kCannon, 3, 0, false};
  t.Cell(2, 0) = MapCell{kWall, 0, 0, false};
  t.Cell(3, 0) = MapCell{kCannon, 2, 0, false};
  t.editor.tools.PrimaryTile = kCannon;
  t.editor.tools.PrimaryDirection = 4;
  t.PointAt(0, 0);
  FillArea(t.editor, false, false);
  EXPECT_EQ(t.Cell(0, 0).Direction, 4);
  EXPECT_EQ(t.Cell(1, 0).Direction, 4);
  EXPECT_EQ(t.Cell(3, 0).Direction, 2);
  EXPECT_EQ(t.Tile(0, 1), 0);
}

TEST(FillArea, AWindingRegionIsFoundWhole) {
  // A serpentine corridor: walls in every other column, open at alternate ends.
  CanvasTestEditor t;
  for (int x = 1; x < kLevelSize; x += 2) {
    const int gap = (x / 2) % 2 == 0 ? kLevelSize - 1 : 0;
    for (int y = 0; y < kLevelSize; ++y) {
      if (y != gap) t.Cell(x, y).TileCode = kWall;
    }
  }
  t.editor.tools.PrimaryTile = kGrass;
  t.PointAt(0, 0);
  FillArea(t.editor, false, false);
  EXPECT_EQ(t.CountTile(0), kMapSize * kMapSize - 2500);
}

TEST(FillArea, FillsTheSelectionFromTheMenuOrWhenThePressedCellIsSelected) {
  struct Case {
    const char* name;
    bool selectionMode, anySelected, pressOnSelected;
    int expectedGrass;
  };
  for (const Case& c : {Case{"menu", true, true, false, 2}, Case{"menu with nothing selected", true, false, false, 0},
                        Case{"press on a selected cell", false, true, true, 2},
                        // The empty level's whole region, but never the spare column and row past it.
                        Case{"press elsewhere fills the region", false, true, false, 2500 - 2}}) {
    CanvasTestEditor t;
    t.Cell(5, 5) = MapCell{kWall, 0, 0, c.anySelected};
    t.Cell(30, 40).Selected = c.anySelected;
    t.Cell(20, 20).TileCode = kCannon;
    t.editor.tools.PrimaryTile = kGrass;
    t.PointAt(c.pressOnSelected ? 30 : 2, c.pressOnSelected ? 40 : 2);
    FillArea(t.editor, false, c.selectionMode);
    EXPECT_EQ(t.CountTile(kGrass), c.expectedGrass) << c.name;
    EXPECT_EQ(t.Tile(20, 20), kCannon) << c.name;
  }
}

}  // namespace
}  // namespace brolt::editor
