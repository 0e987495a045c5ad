#include "editor/model/clipboard.h"

#include <gtest/gtest.h>

#include "editor/model/paste_mode.h"
#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kCannon;
using testing::kGrass;
using testing::kThresher;
using testing::kWall;

TEST(Clipboard, TheCopysCentreCellLandsOnTheClickedCell) {
  CanvasTestEditor t;
  for (int x = 3; x <= 6; ++x) {
    t.Cell(x, 10) = MapCell{kCannon, static_cast<std::int16_t>(x - 2), 0, true};
  }
  CopySelection(t.editor);
  EXPECT_EQ(t.editor.clipboard.ClipboardCentreX, 4);
  EXPECT_EQ(t.editor.clipboard.ClipboardCentreY, 10);
  EXPECT_TRUE(t.editor.clipboard.PasteMode);
  t.PointAt(20, 20);
  PlaceClipboard(t.editor);
  for (int x = 19; x <= 22; ++x) {
    EXPECT_EQ(t.Cell(x, 20), (MapCell{kCannon, static_cast<std::int16_t>(x - 18), 0, true})) << x;
  }
  EXPECT_EQ(t.CountTile(kCannon), 8);
  EXPECT_TRUE(t.editor.preview.Marker(19, 20));
  EXPECT_FALSE(t.Cell(3, 10).Selected);
  EXPECT_EQ(t.UndoSteps(), 1);
  EXPECT_TRUE(t.editor.clipboard.PasteMode);  // placing again is one click away
}

TEST(Clipboard, APlacementPastTheEdgeWritesOnlyTheCellsInsideTheLevel) {
  CanvasTestEditor t;
  for (int x = 45; x <= 49; ++x) {
    for (int y = 0; y <= 2; ++y) t.Cell(x, y) = MapCell{kWall, 0, 0, true};
  }
  CopySelection(t.editor);  // centre (47, 1)
  t.PointAt(0, 49);
  PlaceClipboard(t.editor);
  EXPECT_EQ(t.CountTile(kWall), 15 + 3 * 2);  // columns 0..2 of rows 48..49
  EXPECT_EQ(t.Tile(2, 48), kWall);
  EXPECT_EQ(t.Tile(0, 49), kWall);
  EXPECT_EQ(t.editor.level.Map[0][50].TileCode, 0);
}

struct OverwriteCase {
  bool overwrite;
  int expectedOnOccupied;
  bool occupiedSelected;
  int expectedOnCopiedEmpty;
};

TEST(Clipboard, WithOverwriteOffOccupiedTargetsKeepTheirTileAndFlag) {
  for (const OverwriteCase& c : {OverwriteCase{false, kGrass, false, kGrass}, OverwriteCase{true, kWall, true, 0}}) {
    CanvasTestEditor t;
    t.Cell(0, 0) = MapCell{kWall, 0, 0, true};
    t.Cell(1, 0) = MapCell{0, 0, 0, true};  // a copied empty cell
    CopySelection(t.editor);                // centre (0, 0)
    t.Cell(10, 10).TileCode = kGrass;
    t.Cell(11, 10).TileCode = kGrass;
    t.editor.tools.Overwrite = c.overwrite;
    t.PointAt(10, 10);
    PlaceClipboard(t.editor);
    EXPECT_EQ(t.Tile(10, 10), c.expectedOnOccupied) << c.overwrite;
    EXPECT_EQ(t.Cell(10, 10).Selected, c.occupiedSelected) << c.overwrite;
    EXPECT_EQ(t.Tile(11, 10), c.expectedOnCopiedEmpty) << c.overwrite;
  }
}

TEST(Clipboard, ACopyOfUniqueTilesOnlyLeavesTheClipboardEmpty) {
  CanvasTestEditor t;
  t.Cell(7, 7) = MapCell{kThresher, 1, 0, true};
  CopySelection(t.editor);
  EXPECT_FALSE(t.editor.clipboard.Filled);
  EXPECT_FALSE(t.editor.clipboard.PasteMode);
  EXPECT_EQ(t.dialogs.LastMessage(), "Nothing in clipboard.");
  EXPECT_EQ(t.dialogs.messages.back().helpKey, "cannotpaste");
}

struct NothingSelectedCase {
  void (*command)(Editor&);
  const char* message;
};

TEST(Clipboard, CopyOrCutWithNothingSelectedSaysSoAndEmptiesTheClipboard) {
  for (const NothingSelectedCase& c :
       {NothingSelectedCase{CopySelection, "At least one tile must be selected to copy."},
        NothingSelectedCase{CutSelection, "At least one tile must be selected to cut."}}) {
    CanvasTestEditor t;
    t.editor.clipboard.Filled = true;
    c.command(t.editor);
    EXPECT_EQ(t.dialogs.LastMessage(), c.message);
    EXPECT_EQ(t.dialogs.messages.back().helpKey, "cannotcopy");
    EXPECT_FALSE(t.editor.clipboard.Filled);
    EXPECT_EQ(t.UndoSteps(), 0);
    EXPECT_TRUE(t.window.pointers.empty() || t.window.pointers.back() == 0) << c.message;  // no hourglass left
  }
}

TEST(Clipboard, ACutTakesTheCellsOutAsOneUndoStep) {
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
  EXPECT_EQ(t.Cell(20, 20).TileCode, kThresher);
  EXPECT_EQ(t.Cell(20, 20).Direction, 2);
  EXPECT_EQ(t.UndoSteps(), 2);
}

TEST(Clipboard, PlacingAUniqueTileAgainMovesItAndAnOccupiedTargetKeepsTheOldOne) {
  CanvasTestEditor t;
  t.Cell(7, 7) = MapCell{kThresher, 1, 0, true};
  CutSelection(t.editor);
  t.PointAt(20, 20);
  PlaceClipboard(t.editor);
  t.PointAt(30, 30);
  PlaceClipboard(t.editor);
  EXPECT_EQ(t.CountTile(kThresher), 1);
  EXPECT_EQ(t.Tile(30, 30), kThresher);
  t.Cell(40, 40).TileCode = kWall;
  t.PointAt(40, 40);
  PlaceClipboard(t.editor);  // Overwrite is off: the wall stays, and so does the Thresher
  EXPECT_EQ(t.Tile(40, 40), kWall);
  EXPECT_EQ(t.Tile(30, 30), kThresher);
  t.PointAt(49, 49);
  PlaceClipboard(t.editor);
  EXPECT_EQ(t.CountTile(kThresher), 1);
}

TEST(PasteMode, ThePreviewShowsTheCellsAClickWouldWrite) {
  CanvasTestEditor t;
  t.Cell(0, 0) = MapCell{kWall, 0, 0, true};
  t.Cell(2, 0) = MapCell{kWall, 0, 0, true};
  CopySelection(t.editor);  // centre (1, 0); (1, 0) holds no copied cell
  t.Select(30, 30);
  t.editor.preview.Marker(30, 30) = true;
  t.PointAt(10, 5);
  DragPastePreview(t.editor);
  EXPECT_EQ(t.editor.clipboard.PasteCellX, 10);
  EXPECT_EQ(t.editor.clipboard.PasteCellY, 5);
  EXPECT_TRUE(t.editor.preview.Marker(9, 5));
  EXPECT_FALSE(t.editor.preview.Marker(10, 5));
  EXPECT_TRUE(t.editor.preview.Marker(11, 5));
  EXPECT_FALSE(t.editor.preview.Marker(30, 30));
  EXPECT_EQ(t.Tile(9, 5), 0);
}

struct ConfirmCase {
  int answer;
  bool dropsCommand;
  bool stillInPasteMode;
};

TEST(PasteMode, AGuardedCommandAsksBeforeLeavingPasteMode) {
  for (const ConfirmCase& c : {ConfirmCase{2, true, true}, ConfirmCase{1, false, false}}) {
    CanvasTestEditor t;
    t.Select(1, 1);
    CopySelection(t.editor);
    t.dialogs.buttonAnswers.push_back(c.answer);
    EXPECT_EQ(ConfirmExitPasteMode(t.editor), c.dropsCommand);
    EXPECT_EQ(t.dialogs.LastMessage(), "This action will exit paste mode.");
    EXPECT_EQ(t.dialogs.messages.back().helpKey, "xopastemode");
    EXPECT_EQ(t.editor.clipboard.PasteMode, c.stillInPasteMode);
  }
  CanvasTestEditor outside;
  EXPECT_FALSE(ConfirmExitPasteMode(outside.editor));
  EXPECT_TRUE(outside.dialogs.messages.empty());
}

TEST(PasteMode, LeavingHidesThePreviewAndKeepsThePlacedCellsFlags) {
  CanvasTestEditor t;
  t.Select(1, 1);
  CopySelection(t.editor);
  t.PointAt(5, 5);
  PlaceClipboard(t.editor);
  CancelPasteMode(t.editor);
  EXPECT_FALSE(t.editor.clipboard.PasteMode);
  EXPECT_TRUE(t.Cell(5, 5).Selected);
  EXPECT_FALSE(t.editor.preview.Marker(5, 5));
  StartPasteMode(t.editor);  // the clipboard outlives paste mode
  EXPECT_TRUE(t.editor.clipboard.PasteMode);
  EXPECT_FALSE(t.Cell(5, 5).Selected);
}

}  // namespace
}  // namespace brolt::editor
