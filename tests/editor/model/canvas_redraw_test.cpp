#include "editor/model/canvas_redraw.h"

#include <gtest/gtest.h>

#include "editor/model/minimap.h"
#include "editor/model/minimap_palette.h"
#include "editor/model/mouse_pointer.h"
#include "editor/model/undo_recording.h"
#include "editor/support/recording_window.h"

namespace brolt::editor {
namespace {

struct RedrawFixture : ::testing::Test, testing::RecordingEditor {
  RedrawFixture() {
    ResetUndoRing(editor.undo, 5);
    editor.tiles.TileDefs[7].Mini = 12;
    editor.tiles.TileDefs[9].Mini = 3;
  }
};

TEST_F(RedrawFixture, AnUndoThatDiffersInOneCellRepaintsOnlyThatCell) {
  editor.level.Cell(4, 4) = MapCell{7, 2, 0, false};
  editor.level.Cell(10, 3) = MapCell{9, 1, 0, false};
  StoreUndoState(editor.undo, editor.level.Map);
  editor.level.Cell(10, 3).Direction = 3;  // only the direction differs
  editor.level.Cell(8, 8).Selected = true;
  editor.preview.Marker(8, 8) = true;

  RedrawChangedCells(editor, editor.undo.UndoIndex);

  EXPECT_EQ(canvas.redrawnCells, (std::vector<std::pair<int, int>>{{10, 3}}));
  EXPECT_EQ(editor.level.Cell(10, 3).Direction, 1);
  EXPECT_EQ(canvas.levelRedraws, 0);
  EXPECT_EQ(canvas.miniLevelRedraws, 1);
  EXPECT_EQ(editor.view.MiniLevel[4][4], MiniPaletteColour(12));
  EXPECT_EQ(editor.view.MiniLevel[10][3], MiniPaletteColour(3));
  EXPECT_FALSE(editor.level.Cell(8, 8).Selected);
  EXPECT_FALSE(editor.preview.Marker(8, 8));
  // The hourglass stays until the canvas next sets its pointer.
  EXPECT_EQ(canvas.pointers, (std::vector<int>{kHourglassPointer}));
}

TEST_F(RedrawFixture, EmptiedAndFilledCellsAreRepaintedAndTheLevelTakesTheSlotsStateOfASlotInTheRing) {
  StoreUndoState(editor.undo, editor.level.Map);  // slot 0: empty
  editor.level.Cell(0, 0).TileCode = 7;
  editor.level.Cell(49, 49).TileCode = 9;
  RecordUndo(editor);  // slot 1
  RedrawChangedCells(editor, 0);
  EXPECT_EQ(canvas.redrawnCells, (std::vector<std::pair<int, int>>{{0, 0}, {49, 49}}));
  EXPECT_EQ(editor.level.Cell(49, 49).TileCode, 0);
  EXPECT_EQ(editor.view.MiniLevel[49][49], 0);
  canvas.redrawnCells.clear();
  RedrawChangedCells(editor, 1);
  EXPECT_EQ(canvas.redrawnCells.size(), 2u);
  EXPECT_EQ(editor.level.Cell(0, 0).TileCode, 7);
  const int calls = canvas.Calls();
  editor.level.Cell(1, 1).TileCode = 7;
  for (const int slot : {-1, 6, 1000}) RedrawChangedCells(editor, slot);  // outside the ring: nothing changes
  EXPECT_EQ(editor.level.Cell(1, 1).TileCode, 7);
  EXPECT_EQ(canvas.Calls(), calls);
}

TEST_F(RedrawFixture, TheGridShowsAsThePreferenceSaysUntilDrawnOrCleared) {
  editor.prefs.ShowGrid = false;
  RedrawLevel(editor);
  EXPECT_FALSE(editor.view.GridShown);
  DrawGrid(editor);
  EXPECT_TRUE(editor.view.GridShown);
  ClearGrid(editor);
  EXPECT_FALSE(editor.view.GridShown);
  editor.prefs.ShowGrid = true;
  RedrawLevel(editor);
  EXPECT_TRUE(editor.view.GridShown);
  EXPECT_EQ(canvas.levelRedraws, 4);
}

TEST_F(RedrawFixture, AMiniDotTakesThePaletteOrTheGivenColourAndCellsOutsideTheLevelHaveNone) {
  for (const auto& [paletteIndex, colour, shown] :
       {std::array{0, 0, 0x000000}, std::array{15, 0, 0xFFFFFF}, std::array{12, 0, 0x0000FF},
        std::array{0, 0x00FF80, 0x00FF80}, std::array{4, 0x00FF80, 0x000080}, std::array{16, 0, 0},
        std::array{-1, 0, 0}}) {
    DrawMiniTile(editor, 3, 5, paletteIndex, colour);
    EXPECT_EQ(editor.view.MiniLevel[3][5], shown) << paletteIndex << " " << colour;
  }
  for (const auto& [x, y] : {std::pair{50, 0}, std::pair{0, 50}, std::pair{-1, 3}}) DrawMiniTile(editor, x, y, 15, 0);
  EXPECT_EQ(canvas.Calls(), 0);
}

TEST_F(RedrawFixture, TheToolPointerIsTheArrowForTheSelectorAndTheCrossOtherwise) {
  editor.tools.CurrentTool = kSelectorTool;
  SetToolPointer(editor);
  editor.tools.CurrentTool = kLineTool;
  SetToolPointer(editor);
  EXPECT_EQ(canvas.pointers, (std::vector<int>{kArrowPointer, kCrossPointer}));
  // Only the hourglass and the default reach the whole window.
  EXPECT_TRUE(window.pointers.empty());
}

}  // namespace
}  // namespace brolt::editor
