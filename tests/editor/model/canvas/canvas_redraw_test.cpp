#include "editor/model/canvas/canvas_redraw.h"

#include <gtest/gtest.h>

#include "editor/model/canvas/canvas_geometry.h"
#include "editor/model/canvas/minimap.h"
#include "editor/model/canvas/minimap_palette.h"
#include "editor/model/canvas/mouse_pointer.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/support/recording_window.h"

namespace brolt::editor {
namespace {

using Cells = std::vector<std::pair<int, int>>;

struct RedrawFixture : ::testing::Test, testing::RecordingEditor {
  RedrawFixture() {
    ResetUndoRing(editor.undo, 5);
    editor.tiles.TileDefs[7].Mini = 12;
    editor.tiles.TileDefs[9].Mini = 3;
  }
};

TEST_F(RedrawFixture, ASlotsStateRepaintsOnlyTheCellsThatDifferAndASlotOutsideTheRingChangesNothing) {
  StoreUndoState(editor.undo, editor.level.Map);  // slot 0: empty
  editor.level.Cell(0, 0) = MapCell{7, 2, 0, false};
  editor.level.Cell(49, 49) = MapCell{9, 1, 0, true};
  RecordUndo(editor);  // slot 1
  editor.level.Cell(49, 49).Direction = 3;  // only the direction differs
  RedrawChangedCells(editor, 1);
  EXPECT_EQ(canvas.redrawnCells, (Cells{{49, 49}}));
  EXPECT_EQ(editor.level.Cell(49, 49), (MapCell{9, 1, 0, false}));  // and the selection is gone
  EXPECT_EQ(canvas.miniLevelRedraws, 1);
  EXPECT_EQ(editor.view.MiniLevel[0][0], MiniPaletteColour(12));
  EXPECT_EQ(editor.view.MiniLevel[49][49], MiniPaletteColour(3));
  // The hourglass stays until the canvas next sets its pointer.
  EXPECT_EQ(canvas.pointers, (std::vector<int>{kHourglassPointer}));
  RedrawChangedCells(editor, 0);
  EXPECT_EQ(canvas.redrawnCells, (Cells{{49, 49}, {0, 0}, {49, 49}}));
  EXPECT_EQ(editor.level.Map, LevelMap{});
  EXPECT_EQ(editor.view.MiniLevel[49][49], 0);
  EXPECT_EQ(canvas.levelRedraws, 0);

  const int calls = canvas.Calls();
  editor.level.Cell(1, 1).TileCode = 7;
  for (const int slot : {-1, 6, 1000}) RedrawChangedCells(editor, slot);
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

// The palette is written 0xBBGGRR, as the given colours are: light red is 0x0000FF.
TEST_F(RedrawFixture, AMiniDotTakesThePaletteOrTheGivenColourAndCellsOutsideTheLevelHaveNone) {
  for (const auto& [paletteIndex, colour, shown] :
       {std::array{0, 0, 0x000000}, std::array{15, 0, 0xFFFFFF}, std::array{12, 0, 0x0000FF},
        std::array{0, 0x00FF80, 0x00FF80}, std::array{4, 0x00FF80, 0x000080}, std::array{16, 0, 0},
        std::array{-1, 0, 0}}) {
    DrawMiniTile(editor, 3, 5, paletteIndex, colour);
    EXPECT_EQ(editor.view.MiniLevel[3][5], shown) << paletteIndex << " " << colour;
  }
  const int calls = canvas.Calls();
  for (const auto& [x, y] : {std::pair{50, 0}, std::pair{0, 50}, std::pair{-1, 3}}) DrawMiniTile(editor, x, y, 15, 0);
  EXPECT_EQ(canvas.Calls(), calls);
}

TEST_F(RedrawFixture, TheToolPointerIsTheArrowForTheSelectorAndTheCrossOtherwiseOnTheCanvasAlone) {
  for (const int tool : {kSelectorTool, kLineTool}) {
    editor.tools.CurrentTool = static_cast<std::int16_t>(tool);
    SetToolPointer(editor);
  }
  EXPECT_EQ(canvas.pointers, (std::vector<int>{kArrowPointer, kCrossPointer}));
  EXPECT_TRUE(window.pointers.empty());  // only the hourglass and the default reach the whole window
}

TEST(CanvasGeometry, PixelsBecomeCellsRoundingDownAndSnapToTheCellsEdge) {
  struct Case {
    float zoom;
    double pixel;
    int cell;
    float snapped;
  };
  // A pixel left of the level lies in cell -1, and a far-off pixel saturates instead of overflowing.
  for (const Case& c : {Case{20, 19.9, 0, 0}, Case{20, 20, 1, 20}, Case{20, -0.5, -1, -20}, Case{1, 49.5, 49, 49},
                        Case{20, 39, 1, 20}, Case{20, 1000, 50, 1000}, Case{100, 4999, 49, 4900},
                        Case{7, 1e12, 1000000000, 7e9f}}) {
    ViewState view;
    view.TileSize = c.zoom;
    EXPECT_EQ(PixelToTile(view, c.pixel), c.cell) << c.zoom << " " << c.pixel;
    EXPECT_FLOAT_EQ(SnapToGrid(view, c.pixel), c.snapped) << c.zoom << " " << c.pixel;
  }
  ViewState view;
  view.TileSize = 20;
  EXPECT_DOUBLE_EQ(TileToPixel(view, 3), 60);
  EXPECT_DOUBLE_EQ(TileToPixel(view, -1), -20);
}

}  // namespace
}  // namespace brolt::editor
