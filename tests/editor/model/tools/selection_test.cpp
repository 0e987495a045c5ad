#include <gtest/gtest.h>

#include <tuple>

#include "editor/model/tools/clipboard.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/selection_commands.h"
#include "editor/model/tools/selection_marquee.h"
#include "editor/model/window/minimap_position.h"
#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kCannon;
using testing::kGrass;
using testing::kTestTileSize;
using testing::kThresher;
using testing::kWall;

// Counted over the whole map, so that a selected cell of the spare column or row shows.
int SelectedCount(const Editor& editor) {
  int count = 0;
  for (const auto& column : editor.level.Map) {
    for (const MapCell& cell : column) count += cell.Selected ? 1 : 0;
  }
  return count;
}

// (30, 30) is selected before the press; a second button cancelling the marquee is checked with the
// other drags by the canvas mouse tests.
TEST(Marquee, SelectsTheCellsBetweenThePressAndThePointerWhicheverWayShiftAddsThemCtrlRemovesThem) {
  struct Case {
    int pressX, pressY, mouseX, mouseY;
    bool shift;
    std::int16_t heldKey;
    int left, top, right, bottom;
  };
  const int kIn5 = 5 * kTestTileSize + 5;
  for (const Case& c : {Case{5, 5, kIn5, kIn5, false, 0, 5, 5, 5, 5}, Case{5, 5, kIn5, kIn5, true, 0, 5, 5, 5, 5},
                        Case{5, 5, kIn5, kIn5, true, kCtrlKey, 5, 5, 5, 5},
                        Case{10, 4, 7 * kTestTileSize + 5, 6 * kTestTileSize + 5, false, 0, 7, 4, 10, 6},  // backwards
                        // The last pixel of column 10 already reaches column 11.
                        Case{8, 0, 11 * kTestTileSize - 1, 5, false, 0, 8, 0, 11, 0}}) {
    CanvasTestEditor t;
    t.Select(30, 30);
    t.Select(c.left, c.top);
    t.editor.input.HeldKey = c.heldKey;
    t.editor.tools.CurrentTool = kSelectorTool;  // a left-button press, as the main window drives it
    t.PointAt(c.pressX, c.pressY);
    t.editor.input.MouseState = 1;
    t.editor.input.ShiftAtPress = c.shift;
    BeginMultiSelect(t.editor);
    t.editor.input.MouseX = static_cast<std::int16_t>(c.mouseX);
    t.editor.input.MouseY = static_cast<std::int16_t>(c.mouseY);
    DragMultiSelect(t.editor);
    EndMultiSelect(t.editor);
    const bool selects = c.heldKey != kCtrlKey;
    const int box = (c.right - c.left + 1) * (c.bottom - c.top + 1);
    EXPECT_EQ(SelectedCount(t.editor), (selects ? box : 0) + (c.shift ? 1 : 0)) << c.pressX << c.shift << c.heldKey;
    EXPECT_EQ(t.Cell(c.left, c.top).Selected && t.Cell(c.right, c.bottom).Selected, selects) << c.pressX;
    EXPECT_EQ(t.editor.preview.Marker(c.right, c.bottom), selects) << c.pressX;
    EXPECT_EQ(t.Cell(30, 30).Selected, c.shift) << c.pressX << c.shift;
  }
}

TEST(WholeLevelSelections, ReplaceTheSelectionByTheirRule) {
  // Walls fill column 0 and grass is at (1, 0); (3, 3) is selected; the pointer is over a wall; the
  // primary tile is grass and the secondary tile is the empty tile.
  struct Case {
    const char* name;
    void (*select)(Editor&);
    int expectedCount;
  };
  const Case cases[] = {
      {"all", [](Editor& e) { SelectAllTiles(e, false); }, 2500},
      {"non-empty", [](Editor& e) { SelectAllTiles(e, true); }, 51},
      {"inverted", InvertSelection, 2499},
      {"like the primary tile", [](Editor& e) { SelectTilesLikeButton(e, false); }, 1},
      {"like the secondary (empty) tile", [](Editor& e) { SelectTilesLikeButton(e, true); }, 2449},
      {"like the cell under the pointer", SelectTilesLikeCell, 50},
  };
  for (const Case& c : cases) {
    CanvasTestEditor t;
    for (int y = 0; y < kLevelSize; ++y) t.Cell(0, y).TileCode = kWall;
    t.Cell(1, 0).TileCode = kGrass;
    t.Select(3, 3);
    t.editor.preview.Marker(3, 3) = true;
    t.editor.tools.PrimaryTile = kGrass;
    t.editor.tools.SecondaryTile = 0;
    t.PointAt(0, 20);
    c.select(t.editor);
    EXPECT_EQ(SelectedCount(t.editor), c.expectedCount) << c.name;
    EXPECT_EQ(t.editor.preview.Marker(3, 3), t.Cell(3, 3).Selected) << c.name;
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

// While the minimap is dragged its box follows the pointer in whole cells, as far as two pixels past
// the minimap's edge, and the status bar names the cell at its corner.
TEST(ShowMiniLevelPos, CentresTheBoxOnTheCellAndKeepsItOnTheMinimap) {
  for (const auto& [asked, expected] : {std::pair{100.f, 69.f}, std::pair{149.f, 92.f}, std::pair{200.f, 92.f},
                                        std::pair{10.f, 0.f}, std::pair{45.f, 15.f}}) {
    CanvasTestEditor t;
    t.editor.prefs.MiniWidth = 150;
    t.editor.view.shpMiniSelect.Width = 60;
    t.editor.view.shpMiniSelect.Height = 45;
    float x = asked;
    float y = 60;
    ShowMiniLevelPos(t.editor, x, y);
    EXPECT_FLOAT_EQ(x, expected) << asked;
    EXPECT_FLOAT_EQ(y, 37.5f);  // 60 less half of 45 snapped to 15 cells: the corner lands on a half pixel
    EXPECT_EQ(t.editor.view.shpMiniSelect.Left, expected) << asked;
    EXPECT_EQ(t.window.status[1].text, "<Col: " + std::to_string(static_cast<int>(expected) / 3)) << asked;
    EXPECT_EQ(t.window.status[2].text, "^Row: 12");
  }
}

TEST(Clipboard, TheCopysCentreCellLandsOnTheClickedCellByTheOverwriteRuleAndCellsPastTheLevelAreDropped) {
  CanvasTestEditor t;
  t.Cell(2, 10).Selected = true;  // a copied empty cell
  for (int x = 3; x <= 6; ++x) t.Cell(x, 10) = MapCell{kCannon, static_cast<std::int16_t>(x - 2), 0, true};
  t.Cell(4, 11) = MapCell{kWall, 0, 0, true};
  CopySelection(t.editor);  // centre (4, 10)
  for (const auto& [x, y] : {std::pair{18, 20}, std::pair{21, 20}, std::pair{46, 49}, std::pair{47, 49}}) {
    t.Cell(x, y).TileCode = kGrass;
  }
  t.PointAt(20, 20);
  PlaceClipboard(t.editor);  // Overwrite is off: the grass stays
  for (int x = 19; x <= 22; ++x) {
    const auto direction = static_cast<std::int16_t>(x - 18);
    EXPECT_EQ(t.Cell(x, 20), (x == 21 ? MapCell{kGrass, 0, 0, false} : MapCell{kCannon, direction, 0, true})) << x;
  }
  EXPECT_EQ(t.Tile(18, 20), kGrass);
  EXPECT_EQ(t.Tile(20, 21), kWall);
  EXPECT_TRUE(t.editor.preview.Marker(19, 20));
  EXPECT_FALSE(t.Cell(3, 10).Selected);
  EXPECT_EQ(t.UndoSteps(), 1);
  EXPECT_TRUE(t.editor.clipboard.PasteMode);  // placing again is one click away
  t.editor.tools.Overwrite = true;
  t.PointAt(48, 49);
  PlaceClipboard(t.editor);
  EXPECT_EQ(t.Tile(46, 49), 0);
  EXPECT_EQ(t.Cell(47, 49), (MapCell{kCannon, 1, 0, true}));
  EXPECT_EQ(t.CountTile(kCannon), 4 + 3 + 3);  // the fourth fell in the spare column
  EXPECT_EQ(t.CountTile(kWall), 2);            // and the wall in the spare row
}

TEST(Clipboard, ACopyOrCutThatTakesNothingSaysSoAndEmptiesTheClipboard) {
  const std::tuple<void (*)(Editor&), bool, const char*, const char*> cases[] = {
      {CopySelection, false, "At least one tile must be selected to copy.", "cannotcopy"},
      {CutSelection, false, "At least one tile must be selected to cut.", "cannotcopy"},
      {CopySelection, true, "Nothing in clipboard.", "cannotpaste"},  // a paste never adds a second one
  };
  for (const auto& [command, uniqueTileSelected, message, helpKey] : cases) {
    CanvasTestEditor t;
    t.editor.clipboard.ClipboardFilled = true;
    if (uniqueTileSelected) t.Cell(7, 7) = MapCell{kThresher, 1, 0, true};
    command(t.editor);
    EXPECT_EQ(t.dialogs.LastMessage(), message);
    EXPECT_EQ(t.dialogs.messages.back().helpKey, helpKey) << message;
    EXPECT_FALSE(t.editor.clipboard.ClipboardFilled) << message;
    EXPECT_FALSE(t.editor.clipboard.PasteMode) << message;
    EXPECT_EQ(t.UndoSteps(), 0) << message;
    EXPECT_TRUE(t.window.pointers.empty() || t.window.pointers.back() == 0) << message;  // no hourglass left
  }
}

TEST(Clipboard, ACutTakesAUniqueTileAlongAndEachPlacementMovesItUnlessItsTargetIsOccupied) {
  CanvasTestEditor t;
  t.Cell(7, 7) = MapCell{kThresher, 2, 0, true};
  t.Cell(8, 7) = MapCell{kWall, 0, 0, true};
  t.editor.level.LevelSaved = true;
  CutSelection(t.editor);
  EXPECT_EQ(t.Cell(7, 7), MapCell{});
  EXPECT_EQ(t.Tile(8, 7), 0);
  EXPECT_EQ(t.UndoSteps(), 1);
  EXPECT_FALSE(t.editor.level.LevelSaved);
  EXPECT_TRUE(t.editor.clipboard.PasteMode);
  t.PointAt(20, 20);
  PlaceClipboard(t.editor);
  EXPECT_EQ(t.Cell(20, 20).Direction, 2);
  t.PointAt(30, 30);
  PlaceClipboard(t.editor);
  EXPECT_EQ(t.CountTile(kThresher), 1);
  EXPECT_EQ(t.Tile(30, 30), kThresher);
  t.Cell(40, 40).TileCode = kGrass;
  t.PointAt(40, 40);
  PlaceClipboard(t.editor);  // Overwrite is off: the grass stays, and so does the Thresher
  EXPECT_EQ(t.Tile(40, 40), kGrass);
  EXPECT_EQ(t.Tile(30, 30), kThresher);
  EXPECT_EQ(t.UndoSteps(), 4);
}

// Leaving by answering OK to the question before a guarded command is checked by the menu and the
// rotate command tests.
TEST(PasteMode, ThePreviewShowsTheCellsAClickWouldWriteAndLeavingKeepsThePlacedCellsSelectedAndTheClipboard) {
  CanvasTestEditor t;
  EXPECT_FALSE(ConfirmExitPasteMode(t.editor));  // outside paste mode nothing is asked
  EXPECT_TRUE(t.dialogs.messages.empty());
  t.Cell(0, 0) = MapCell{kWall, 0, 0, true};
  t.Cell(2, 0) = MapCell{kWall, 0, 0, true};
  CopySelection(t.editor);  // centre (1, 0), which holds no copied cell
  t.Select(30, 30);
  t.editor.preview.Marker(30, 30) = true;
  t.PointAt(10, 5);
  DragPastePreview(t.editor);
  const CanvasPreview& shown = t.editor.preview;
  EXPECT_EQ((std::array{shown.Marker(9, 5), shown.Marker(10, 5), shown.Marker(11, 5), shown.Marker(30, 30)}),
            (std::array{true, false, true, false}));
  EXPECT_EQ(t.Tile(9, 5), 0);
  PlaceClipboard(t.editor);
  t.dialogs.buttonAnswers = {2};  // Cancel: the guarded command is dropped and paste mode stays
  EXPECT_TRUE(ConfirmExitPasteMode(t.editor));
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "This action will exit paste mode.");
  EXPECT_EQ(t.dialogs.messages[0].buttons, ButtonSet::OKCancel);
  EXPECT_EQ(t.dialogs.messages[0].helpKey, "xopastemode");
  EXPECT_TRUE(t.editor.clipboard.PasteMode);
  CancelPasteMode(t.editor);
  EXPECT_FALSE(t.editor.clipboard.PasteMode);
  EXPECT_TRUE(t.Cell(9, 5).Selected);
  EXPECT_FALSE(shown.Marker(9, 5));
  StartPasteMode(t.editor);
  EXPECT_TRUE(t.editor.clipboard.PasteMode);
  EXPECT_FALSE(t.Cell(9, 5).Selected);
}

}  // namespace
}  // namespace brolt::editor
