#include <gtest/gtest.h>

#include "editor/model/minimap_position.h"
#include "editor/model/selection_commands.h"
#include "editor/model/selection_marks.h"
#include "editor/model/selection_marquee.h"
#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kGrass;
using testing::kTestTileSize;
using testing::kWall;

int SelectedCount(const Editor& editor) {
  int count = 0;
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) count += editor.level.Cell(x, y).Selected ? 1 : 0;
  }
  return count;
}

// A left-button gesture with the selector, as the main window drives it.
void Press(CanvasTestEditor& t, int x, int y, bool modifier) {
  t.PointAt(x, y);
  t.editor.input.MouseState = 1;
  t.editor.input.ShiftAtPress = modifier;
  BeginMultiSelect(t.editor);
}

void DragTo(CanvasTestEditor& t, int x, int y) {
  t.PointAt(x, y);
  DragMultiSelect(t.editor);
}

struct ClickCase {
  const char* name;
  bool modifier;
  std::int16_t heldKey;
  bool clickedSelected;
  bool otherSelected;
};

TEST(Marquee, AClickSelectsOneCellShiftAddsItCtrlRemovesIt) {
  for (const ClickCase& c : {ClickCase{"plain click", false, 0, true, false}, ClickCase{"shift", true, 0, true, true},
                             ClickCase{"ctrl", true, kCtrlKey, false, true}}) {
    CanvasTestEditor t;
    t.editor.tools.CurrentTool = kSelectorTool;
    t.Select(30, 30);
    t.Select(5, 5);
    t.editor.input.HeldKey = c.heldKey;
    Press(t, 5, 5, c.modifier);
    EndMultiSelect(t.editor);
    EXPECT_EQ(t.Cell(5, 5).Selected, c.clickedSelected) << c.name;
    EXPECT_EQ(t.Cell(30, 30).Selected, c.otherSelected) << c.name;
    EXPECT_EQ(t.editor.preview.Marker(5, 5), c.clickedSelected) << c.name;
    EXPECT_EQ(SelectedCount(t.editor), (c.clickedSelected ? 1 : 0) + (c.otherSelected ? 1 : 0)) << c.name;
  }
}

TEST(Marquee, ABackwardsDragSelectsFromThePointersColumnToTheStartColumn) {
  CanvasTestEditor t;
  t.editor.tools.CurrentTool = kSelectorTool;
  Press(t, 10, 4, false);
  DragTo(t, 7, 6);
  const CellBox& marquee = t.editor.preview.Marquee;
  EXPECT_EQ(marquee.Left, 7);
  EXPECT_EQ(marquee.Right, 10);
  EXPECT_EQ(marquee.Top, 4);
  EXPECT_EQ(marquee.Bottom, 6);
  EndMultiSelect(t.editor);
  EXPECT_EQ(SelectedCount(t.editor), 4 * 3);
  EXPECT_TRUE(t.Cell(7, 6).Selected);
  EXPECT_FALSE(t.Cell(6, 6).Selected);
}

TEST(Marquee, TheLastPixelOfACellAlreadyReachesTheNextCell) {
  CanvasTestEditor t;
  t.editor.tools.CurrentTool = kSelectorTool;
  Press(t, 8, 0, false);
  t.editor.input.MouseX = 11 * kTestTileSize - 1;  // 219, the last pixel of column 10
  DragMultiSelect(t.editor);
  EXPECT_EQ(t.editor.preview.Marquee.Right, 11);
}

TEST(Marquee, ARightPressDuringTheDragCancelsItAndTheReleaseSelectsNothing) {
  CanvasTestEditor t;
  t.editor.tools.CurrentTool = kSelectorTool;
  Press(t, 2, 2, false);
  DragTo(t, 6, 6);
  t.editor.input.MouseState = 2;
  EXPECT_TRUE(CancelMultiSelect(t.editor));
  EXPECT_FALSE(t.editor.preview.Marquee.Visible);
  EXPECT_EQ(t.editor.input.MouseState, 0);
  DragTo(t, 8, 8);
  EndMultiSelect(t.editor);
  EXPECT_EQ(SelectedCount(t.editor), 0);
  EXPECT_FALSE(CancelMultiSelect(t.editor));
}

struct WholeLevelCase {
  const char* name;
  void (*select)(Editor&);
  int expectedCount;
};

TEST(WholeLevelSelections, ReplaceTheSelectionByTheirRule) {
  // The level holds walls in column 0 and grass at (1, 0); the pointer is over a wall; the primary
  // tile is grass and the secondary tile is the empty tile.
  const WholeLevelCase cases[] = {
      {"all", [](Editor& e) { SelectAllTiles(e, false); }, 2500},
      {"non-empty", [](Editor& e) { SelectAllTiles(e, true); }, 51},
      {"like the primary tile", [](Editor& e) { SelectTilesLikeButton(e, false); }, 1},
      {"like the secondary (empty) tile", [](Editor& e) { SelectTilesLikeButton(e, true); }, 2449},
      {"like the cell under the pointer", [](Editor& e) { SelectTilesLikeCell(e); }, 50},
  };
  for (const WholeLevelCase& c : cases) {
    CanvasTestEditor t;
    for (int y = 0; y < kLevelSize; ++y) t.Cell(0, y).TileCode = kWall;
    t.Cell(1, 0).TileCode = kGrass;
    t.editor.tools.PrimaryTile = kGrass;
    t.editor.tools.SecondaryTile = 0;
    t.editor.level.Map[50][50].Selected = false;
    t.PointAt(0, 20);
    c.select(t.editor);
    EXPECT_EQ(SelectedCount(t.editor), c.expectedCount) << c.name;
    EXPECT_FALSE(t.editor.level.Map[50][3].Selected) << c.name;
  }
}

TEST(WholeLevelSelections, SelectingNonEmptyCellsOfAnEmptyLevelDeselectsEverything) {
  CanvasTestEditor t;
  t.Select(3, 3);
  SelectAllTiles(t.editor, true);
  EXPECT_EQ(SelectedCount(t.editor), 0);
  EXPECT_FALSE(t.editor.preview.Marker(3, 3));
}

TEST(DeleteSelected, EmptiesTheSelectedCellsAndRecordsAStepEvenWhenNothingIsSelected) {
  CanvasTestEditor t;
  t.Cell(3, 3) = MapCell{kWall, 2, 0, true};
  t.Cell(4, 4) = MapCell{kWall, 2, 0, false};
  t.editor.level.LevelSaved = true;
  DeleteSelected(t.editor);
  EXPECT_EQ(t.Cell(3, 3), MapCell{});
  EXPECT_EQ(t.Tile(4, 4), kWall);
  EXPECT_EQ(t.UndoSteps(), 1);
  t.editor.level.LevelSaved = true;
  DeleteSelected(t.editor);
  EXPECT_EQ(t.UndoSteps(), 2);
  EXPECT_FALSE(t.editor.level.LevelSaved);
}

TEST(ClearLevel, EmptiesTheLevelAndLeavesTheSpareColumnAndRow) {
  CanvasTestEditor t;
  t.Cell(0, 0).TileCode = kWall;
  t.Cell(49, 49) = MapCell{kGrass, 3, 0, true};
  t.editor.level.Map[50][10].TileCode = kWall;
  t.editor.level.Map[10][50].TileCode = kWall;
  ClearLevel(t.editor);
  EXPECT_EQ(t.CountTile(kGrass), 0);
  EXPECT_EQ(t.CountTile(kWall), 2);
  EXPECT_EQ(SelectedCount(t.editor), 0);
  EXPECT_EQ(t.UndoSteps(), 1);
}

struct MiniCase {
  float x;
  float expected;
};

TEST(ShowMiniLevelPos, CentresTheBoxOnTheCellAndKeepsItOnTheMinimap) {
  for (const MiniCase& c : {MiniCase{100, 69}, MiniCase{149, 92}, MiniCase{200, 92}, MiniCase{10, 0}, MiniCase{45, 15}}) {
    CanvasTestEditor t;
    t.editor.prefs.MiniWidth = 150;
    t.editor.preview.MiniSelectWidth = 60;
    t.editor.preview.MiniSelectHeight = 45;
    float x = c.x;
    float y = 60;
    ShowMiniLevelPos(t.editor, x, y);
    EXPECT_FLOAT_EQ(x, c.expected) << c.x;
    EXPECT_FLOAT_EQ(t.editor.preview.MiniSelectLeft, c.expected) << c.x;
    EXPECT_FLOAT_EQ(y, 37.5f);  // 60 less half of 45 snapped to 15 cells: the corner lands on a half pixel
    EXPECT_EQ(t.window.minimapPointer, 5);
    EXPECT_EQ(t.window.status[1].text, "<Col: " + std::to_string(static_cast<int>(c.expected) / 3)) << c.x;
    EXPECT_EQ(t.window.status[2].text, "^Row: 12");
  }
}

}  // namespace
}  // namespace brolt::editor
