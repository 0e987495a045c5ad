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

TEST(Clipboard, TheCopysCentreCellLandsOnTheClickedCellAndCellsPastTheLevelAreDropped) {
  CanvasTestEditor t;
  for (int x = 3; x <= 6; ++x) t.Cell(x, 10) = MapCell{kCannon, static_cast<std::int16_t>(x - 2), 0, true};
  t.Cell(4, 11) = MapCell{kWall, 0, 0, true};
  CopySelection(t.editor);  // centre (4, 10)
  t.PointAt(20, 20);
  PlaceClipboard(t.editor);
  for (int x = 19; x <= 22; ++x) {
    EXPECT_EQ(t.Cell(x, 20), (MapCell{kCannon, static_cast<std::int16_t>(x - 18), 0, true})) << x;
  }
  EXPECT_EQ(t.Tile(20, 21), kWall);
  EXPECT_TRUE(t.editor.preview.Marker(19, 20));
  EXPECT_FALSE(t.Cell(3, 10).Selected);
  EXPECT_EQ(t.UndoSteps(), 1);
  EXPECT_TRUE(t.editor.clipboard.PasteMode);  // placing again is one click away
  t.PointAt(49, 49);
  PlaceClipboard(t.editor);
  EXPECT_EQ(t.Tile(48, 49), kCannon);
  EXPECT_EQ(t.CountTile(kCannon), 4 + 4 + 2);
  EXPECT_EQ(t.CountTile(kWall), 2);  // the one for (49, 50) fell in the spare row
}

TEST(Clipboard, WithOverwriteOffOccupiedTargetsKeepTheirTileAndFlag) {
  for (const bool overwrite : {false, true}) {
    CanvasTestEditor t;
    t.Cell(0, 0) = MapCell{kWall, 0, 0, true};
    t.Cell(1, 0) = MapCell{0, 0, 0, true};  // a copied empty cell
    CopySelection(t.editor);                // centre (0, 0)
    t.Cell(10, 10).TileCode = kGrass;
    t.Cell(11, 10).TileCode = kGrass;
    t.editor.tools.Overwrite = overwrite;
    t.PointAt(10, 10);
    PlaceClipboard(t.editor);
    EXPECT_EQ(t.Tile(10, 10), overwrite ? kWall : kGrass) << overwrite;
    EXPECT_EQ(t.Cell(10, 10).Selected, overwrite) << overwrite;
    EXPECT_EQ(t.Tile(11, 10), overwrite ? 0 : kGrass) << overwrite;
  }
}

TEST(Clipboard, ACopyOrCutThatTakesNothingSaysSoAndEmptiesTheClipboard) {
  struct Case {
    void (*command)(Editor&);
    bool uniqueTileSelected;
    const char* message;
    const char* helpKey;
  };
  const Case cases[] = {
      {CopySelection, false, "At least one tile must be selected to copy.", "cannotcopy"},
      {CutSelection, false, "At least one tile must be selected to cut.", "cannotcopy"},
      {CopySelection, true, "Nothing in clipboard.", "cannotpaste"},  // a paste never adds a second one
  };
  for (const Case& c : cases) {
    CanvasTestEditor t;
    t.editor.clipboard.Filled = true;
    if (c.uniqueTileSelected) t.Cell(7, 7) = MapCell{kThresher, 1, 0, true};
    c.command(t.editor);
    EXPECT_EQ(t.dialogs.LastMessage(), c.message);
    EXPECT_EQ(t.dialogs.messages.back().helpKey, c.helpKey) << c.message;
    EXPECT_FALSE(t.editor.clipboard.Filled) << c.message;
    EXPECT_FALSE(t.editor.clipboard.PasteMode) << c.message;
    EXPECT_EQ(t.UndoSteps(), 0) << c.message;
    EXPECT_TRUE(t.window.pointers.empty() || t.window.pointers.back() == 0) << c.message;  // no hourglass left
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

TEST(PasteMode, ThePreviewShowsTheCellsAClickWouldWrite) {
  CanvasTestEditor t;
  t.Cell(0, 0) = MapCell{kWall, 0, 0, true};
  t.Cell(2, 0) = MapCell{kWall, 0, 0, true};
  CopySelection(t.editor);  // centre (1, 0); (1, 0) holds no copied cell
  t.Select(30, 30);
  t.editor.preview.Marker(30, 30) = true;
  t.PointAt(10, 5);
  DragPastePreview(t.editor);
  EXPECT_TRUE(t.editor.preview.Marker(9, 5));
  EXPECT_FALSE(t.editor.preview.Marker(10, 5));
  EXPECT_TRUE(t.editor.preview.Marker(11, 5));
  EXPECT_FALSE(t.editor.preview.Marker(30, 30));
  EXPECT_EQ(t.Tile(9, 5), 0);
}

TEST(PasteMode, AGuardedCommandAsksBeforeLeavingPasteMode) {
  for (const auto& [answer, dropsCommand] : {std::pair{2, true}, std::pair{1, false}}) {
    CanvasTestEditor t;
    t.Select(1, 1);
    CopySelection(t.editor);
    t.dialogs.buttonAnswers.push_back(answer);
    EXPECT_EQ(ConfirmExitPasteMode(t.editor), dropsCommand);
    EXPECT_EQ(t.dialogs.LastMessage(), "This action will exit paste mode.");
    EXPECT_EQ(t.dialogs.messages.back().helpKey, "xopastemode");
    EXPECT_EQ(t.editor.clipboard.PasteMode, dropsCommand);
  }
  CanvasTestEditor outside;
  EXPECT_FALSE(ConfirmExitPasteMode(outside.editor));
  EXPECT_TRUE(outside.dialogs.messages.empty());
}

TEST(PasteMode, LeavingHidesThePreviewAndKeepsThePlacedCellsFlagsAndTheClipboard) {
  CanvasTestEditor t;
  t.Select(1, 1);
  CopySelection(t.editor);
  t.PointAt(5, 5);
  PlaceClipboard(t.editor);
  CancelPasteMode(t.editor);
  EXPECT_FALSE(t.editor.clipboard.PasteMode);
  EXPECT_TRUE(t.Cell(5, 5).Selected);
  EXPECT_FALSE(t.editor.preview.Marker(5, 5));
  StartPasteMode(t.editor);
  EXPECT_TRUE(t.editor.clipboard.PasteMode);
  EXPECT_FALSE(t.Cell(5, 5).Selected);
}

}  // namespace
}  // namespace brolt::editor
