#include "editor/model/flood_fill.h"

#include <gtest/gtest.h>

#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kCannon;
using testing::kGrass;
using testing::kThresher;
using testing::kWall;

// A ring of walls around columns 11..13 and rows 11..13, with a diagonal gap at its corner (14, 14):
// cells touching only diagonally are not part of the inside.
void BuildWalledRoom(CanvasTestEditor& t) {
  for (int i = 10; i <= 14; ++i) {
    t.Cell(i, 10).TileCode = kWall;
    t.Cell(10, i).TileCode = kWall;
    if (i < 14) {
      t.Cell(i, 14).TileCode = kWall;
      t.Cell(14, i).TileCode = kWall;
    }
  }
}

TEST(FillArea, FillsExactlyTheFourConnectedRegionOfThePressedTile) {
  CanvasTestEditor t;
  BuildWalledRoom(t);
  t.editor.tools.PrimaryTile = kGrass;
  t.PointAt(12, 12);
  FillArea(t.editor, false, false);
  EXPECT_EQ(t.CountTile(kGrass), 9);
  EXPECT_EQ(t.Tile(11, 11), kGrass);
  EXPECT_EQ(t.Tile(13, 13), kGrass);
  EXPECT_EQ(t.Tile(14, 14), 0);
  EXPECT_EQ(t.Tile(15, 15), 0);
  EXPECT_EQ(t.UndoSteps(), 0);  // the caller records the step
}

TEST(FillArea, TakesTheSameTileInAnyDirectionAndStopsAtOtherTiles) {
  CanvasTestEditor t;
  t.Cell(0, 0) = MapCell{kCannon, 1, 0, false};
  t.Cell(1, 0) = MapCell{kCannon, 3, 0, false};
  t.Cell(2, 0) = MapCell{kWall, 0, 0, false};
  t.Cell(3, 0) = MapCell{kCannon, 2, 0, false};
  t.editor.tools.SecondaryTile = kCannon;
  t.editor.tools.SecondaryDirection = 4;
  t.PointAt(0, 0);
  FillArea(t.editor, true, false);
  EXPECT_EQ(t.Cell(0, 0).Direction, 4);
  EXPECT_EQ(t.Cell(1, 0).Direction, 4);
  EXPECT_EQ(t.Cell(3, 0).Direction, 2);
  EXPECT_EQ(t.Tile(0, 1), 0);
}

TEST(FillArea, FillsAWholeEmptyLevelButNeverTheSpareColumnAndRow) {
  CanvasTestEditor t;
  t.editor.tools.PrimaryTile = kGrass;
  t.PointAt(49, 0);
  FillArea(t.editor, false, false);
  EXPECT_EQ(t.CountTile(kGrass), 2500);
  EXPECT_EQ(t.editor.level.Map[50][0].TileCode, 0);
  EXPECT_EQ(t.editor.level.Map[0][50].TileCode, 0);
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

struct SelectionFillCase {
  const char* name;
  bool selectionMode;
  bool pressOnSelected;
  int expectedGrass;
};

TEST(FillArea, FillsTheSelectionFromTheMenuOrWhenThePressedCellIsSelected) {
  for (const SelectionFillCase& c : {SelectionFillCase{"menu", true, false, 2},
                                     SelectionFillCase{"press on a selected cell", false, true, 2},
                                     SelectionFillCase{"press elsewhere fills the region", false, false, 2500 - 2}}) {
    CanvasTestEditor t;
    t.Cell(5, 5) = MapCell{kWall, 0, 0, true};
    t.Cell(30, 40) = MapCell{0, 0, 0, true};
    t.Cell(20, 20).TileCode = kCannon;
    t.editor.tools.PrimaryTile = kGrass;
    t.PointAt(c.pressOnSelected ? 30 : 2, c.pressOnSelected ? 40 : 2);
    FillArea(t.editor, false, c.selectionMode);
    EXPECT_EQ(t.CountTile(kGrass), c.expectedGrass) << c.name;
  }
}

TEST(FillArea, TheMenuFillWithNothingSelectedChangesNothing) {
  CanvasTestEditor t;
  t.Cell(5, 5).TileCode = kWall;
  const LevelMap before = t.editor.level.Map;
  FillArea(t.editor, false, true);
  EXPECT_EQ(t.editor.level.Map, before);
}

TEST(FillArea, AUniqueTileEndsOnTheLastCellInPaintingOrder) {
  CanvasTestEditor t;
  BuildWalledRoom(t);
  t.editor.tools.SecondaryTile = kThresher;
  t.PointAt(11, 11);
  FillArea(t.editor, true, false);
  EXPECT_EQ(t.CountTile(kThresher), 1);
  EXPECT_EQ(t.Tile(13, 13), kThresher);
}

}  // namespace
}  // namespace brolt::editor
