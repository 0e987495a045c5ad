#include <gtest/gtest.h>

#include <tuple>

#include "editor/model/minimap_position.h"
#include "editor/model/selection_commands.h"
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

// A left-button press with the selector, as the main window drives it.
void Press(CanvasTestEditor& t, int x, int y, bool modifier) {
  t.editor.tools.CurrentTool = kSelectorTool;
  t.PointAt(x, y);
  t.editor.input.MouseState = 1;
  t.editor.input.ShiftAtPress = modifier;
  BeginMultiSelect(t.editor);
}

TEST(Marquee, AClickSelectsOneCellShiftAddsItCtrlRemovesIt) {
  struct Case {
    const char* name;
    bool modifier;
    std::int16_t heldKey;
    bool clickedSelected, otherSelected;
  };
  for (const Case& c : {Case{"plain click", false, 0, true, false}, Case{"shift", true, 0, true, true},
                        Case{"ctrl", true, kCtrlKey, false, true}}) {
    CanvasTestEditor t;
    t.Select(30, 30);
    t.Select(5, 5);
    t.editor.input.HeldKey = c.heldKey;
    Press(t, 5, 5, c.modifier);
    EndMultiSelect(t.editor);
    EXPECT_EQ(t.Cell(5, 5).Selected, c.clickedSelected) << c.name;
    EXPECT_EQ(t.Cell(30, 30).Selected, c.otherSelected) << c.name;
    EXPECT_EQ(t.editor.preview.Marker(5, 5), c.clickedSelected) << c.name;
    EXPECT_EQ(SelectedCount(t.editor), c.clickedSelected + c.otherSelected) << c.name;
  }
}

TEST(Marquee, ADragSelectsTheCellsBetweenThePressAndThePointerWhicheverWay) {
  struct Case {
    const char* name;
    int pressX, pressY, mouseX, mouseY;
    std::tuple<int, int, int, int> box;  // left, top, right, bottom
  };
  for (const Case& c : {Case{"backwards", 10, 4, 7 * kTestTileSize + 5, 6 * kTestTileSize + 5, {7, 4, 10, 6}},
                        // The last pixel of column 10 already reaches column 11.
                        Case{"to a cell's last pixel", 8, 0, 11 * kTestTileSize - 1, 5, {8, 0, 11, 0}}}) {
    CanvasTestEditor t;
    Press(t, c.pressX, c.pressY, false);
    t.editor.input.MouseX = static_cast<std::int16_t>(c.mouseX);
    t.editor.input.MouseY = static_cast<std::int16_t>(c.mouseY);
    DragMultiSelect(t.editor);
    const CellBox& marquee = t.editor.preview.Marquee;
    const decltype(c.box) shown{marquee.Left, marquee.Top, marquee.Right, marquee.Bottom};
    EXPECT_EQ(shown, c.box) << c.name;
    EndMultiSelect(t.editor);
    const auto [left, top, right, bottom] = c.box;
    EXPECT_EQ(SelectedCount(t.editor), (right - left + 1) * (bottom - top + 1)) << c.name;
    EXPECT_TRUE(t.Cell(right, bottom).Selected) << c.name;
    EXPECT_FALSE(t.Cell(left - 1, bottom).Selected) << c.name;
  }
}

TEST(Marquee, ARightPressDuringTheDragCancelsItAndTheReleaseSelectsNothing) {
  CanvasTestEditor t;
  Press(t, 2, 2, false);
  t.PointAt(6, 6);
  DragMultiSelect(t.editor);
  t.editor.input.MouseState = 2;
  EXPECT_TRUE(CancelMultiSelect(t.editor));
  EXPECT_FALSE(t.editor.preview.Marquee.Visible);
  EXPECT_EQ(t.editor.input.MouseState, 0);
  t.PointAt(8, 8);
  DragMultiSelect(t.editor);
  EndMultiSelect(t.editor);
  EXPECT_EQ(SelectedCount(t.editor), 0);
  EXPECT_FALSE(CancelMultiSelect(t.editor));
}

TEST(WholeLevelSelections, ReplaceTheSelectionByTheirRule) {
  // Walls fill column 0 and grass is at (1, 0); (3, 3) is selected; the pointer is over a wall; the
  // primary tile is grass and the secondary tile is the empty tile.
  struct Case {
    const char* name;
    void (*select)(Editor&);
    bool tiles;
    int expectedCount;
  };
  const Case cases[] = {
      {"all", [](Editor& e) { SelectAllTiles(e, false); }, true, 2500},
      {"non-empty", [](Editor& e) { SelectAllTiles(e, true); }, true, 51},
      {"non-empty of an empty level", [](Editor& e) { SelectAllTiles(e, true); }, false, 0},
      {"inverted", InvertSelection, true, 2499},
      {"like the primary tile", [](Editor& e) { SelectTilesLikeButton(e, false); }, true, 1},
      {"like the secondary (empty) tile", [](Editor& e) { SelectTilesLikeButton(e, true); }, true, 2449},
      {"like the cell under the pointer", SelectTilesLikeCell, true, 50},
  };
  for (const Case& c : cases) {
    CanvasTestEditor t;
    if (c.tiles) {
      for (int y = 0; y < kLevelSize; ++y) t.Cell(0, y).TileCode = kWall;
      t.Cell(1, 0).TileCode = kGrass;
    }
    t.Select(3, 3);
    t.editor.preview.Marker(3, 3) = true;
    t.editor.tools.PrimaryTile = kGrass;
    t.editor.tools.SecondaryTile = 0;
    t.PointAt(0, 20);
    c.select(t.editor);
    EXPECT_EQ(SelectedCount(t.editor), c.expectedCount) << c.name;
    EXPECT_EQ(t.editor.preview.Marker(3, 3), t.Cell(3, 3).Selected) << c.name;
    EXPECT_FALSE(t.editor.level.Map[50][3].Selected || t.editor.level.Map[3][50].Selected) << c.name;
  }
}

TEST(DeleteSelectedAndClearLevel, EmptyTheirCellsButNotTheSpareColumnAndRowAndAlwaysRecordAStep) {
  for (const auto& [command, clearsAll] : {std::pair{&DeleteSelected, false}, std::pair{&ClearLevel, true}}) {
    CanvasTestEditor t;
    t.Cell(3, 3) = MapCell{kWall, 2, 0, true};
    t.Cell(4, 4) = MapCell{kGrass, 2, 0, false};
    t.editor.level.Map[50][10].TileCode = kWall;
    t.editor.level.Map[10][50].TileCode = kWall;
    t.editor.level.LevelSaved = true;
    command(t.editor);
    EXPECT_EQ(t.Cell(3, 3), MapCell{}) << clearsAll;
    EXPECT_EQ(t.Tile(4, 4), clearsAll ? 0 : kGrass) << clearsAll;
    EXPECT_EQ(t.CountTile(kWall), 2) << clearsAll;
    EXPECT_FALSE(t.editor.level.LevelSaved) << clearsAll;
    command(t.editor);  // nothing left to empty
    EXPECT_EQ(t.UndoSteps(), 2) << clearsAll;
  }
}

TEST(ShowMiniLevelPos, CentresTheBoxOnTheCellAndKeepsItOnTheMinimap) {
  for (const auto& [asked, expected] : {std::pair{100.f, 69.f}, std::pair{149.f, 92.f}, std::pair{200.f, 92.f},
                                        std::pair{10.f, 0.f}, std::pair{45.f, 15.f}}) {
    CanvasTestEditor t;
    t.editor.prefs.MiniWidth = 150;
    t.editor.preview.MiniSelectWidth = 60;
    t.editor.preview.MiniSelectHeight = 45;
    float x = asked;
    float y = 60;
    ShowMiniLevelPos(t.editor, x, y);
    EXPECT_FLOAT_EQ(x, expected) << asked;
    EXPECT_FLOAT_EQ(y, 37.5f);  // 60 less half of 45 snapped to 15 cells: the corner lands on a half pixel
    EXPECT_EQ(t.window.status[1].text, "<Col: " + std::to_string(static_cast<int>(expected) / 3)) << asked;
    EXPECT_EQ(t.window.status[2].text, "^Row: 12");
  }
}

}  // namespace
}  // namespace brolt::editor
