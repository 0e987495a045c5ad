#include "editor/model/canvas_mouse.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/model/clipboard.h"
#include "editor/model/paste_mode.h"
#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kGrass;
using testing::kWall;

// Pixels inside cell `cell` at zoom 20.
float In(int cell, int offset = 5) { return static_cast<float>(cell * testing::kTestTileSize + offset); }

struct MouseCanvas : CanvasTestEditor {
  MouseCanvas() {
    editor.view.ViewportWidth = 1100;
    editor.view.ViewportHeight = 1100;
    editor.tools.PrimaryTile = kWall;
    editor.tools.SecondaryTile = kGrass;
  }
  void Click(int button, int x, int y) {
    Level_MouseDown(editor, button, 0, In(x), In(y));
    Level_MouseUp(editor, button, 0, In(x), In(y));
  }
};

TEST(CanvasMouse, ABrushStrokePaintsOncePerCellEnteredAndIsOneUndoStep) {
  struct Case {
    const char* name;
    std::vector<float> moves;  // x of each move along row 5
    std::size_t paints;
  };
  const Case cases[] = {
      {"inside one cell", {In(5, 8), In(5, 12), In(5, 19)}, 1},
      {"across three cells", {In(5, 15), In(6), In(6, 9), In(7)}, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MouseCanvas t;
    Level_MouseDown(t.editor, kLeftButton, 0, In(5), In(5));
    for (float x : c.moves) Level_MouseMove(t.editor, kLeftButton, 0, x, In(5));
    Level_MouseUp(t.editor, kLeftButton, 0, c.moves.back(), In(5));
    EXPECT_EQ(t.canvas.redrawnCells.size(), c.paints);
    EXPECT_EQ(t.UndoSteps(), 1);
    EXPECT_FALSE(t.editor.level.LevelSaved);
  }
}

TEST(CanvasMouse, APressThatPaintsNothingRecordsNoUndoStep) {
  struct Case {
    const char* name;
    int tool;
    std::int16_t heldKey;
  };
  const Case cases[] = {
      {"a tile picked with S", kBrushTool, kPickKey},
      {"the preview start placed", kPreviewStartTool, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MouseCanvas t;
    t.editor.tools.CurrentTool = static_cast<std::int16_t>(c.tool);
    t.editor.input.HeldKey = c.heldKey;
    t.Click(kLeftButton, 4, 4);
    EXPECT_EQ(t.UndoSteps(), 0);
    EXPECT_TRUE(t.editor.level.LevelSaved);
  }
}

TEST(CanvasMouse, ASecondButtonDuringARectangleDragCancelsIt) {
  MouseCanvas t;
  t.editor.tools.CurrentTool = kFilledRectangleTool;
  Level_MouseDown(t.editor, kLeftButton, 0, In(2), In(2));
  Level_MouseMove(t.editor, kLeftButton, 0, In(5), In(5));
  Level_MouseDown(t.editor, kRightButton, 0, In(5), In(5));
  Level_MouseUp(t.editor, kRightButton, 0, In(5), In(5));
  Level_MouseUp(t.editor, kLeftButton, 0, In(5), In(5));
  EXPECT_EQ(t.CountTile(kWall) + t.CountTile(kGrass), 0);
  EXPECT_EQ(t.UndoSteps(), 0);
  EXPECT_FALSE(t.editor.preview.SquareOutline.Visible);
}

TEST(CanvasMouse, InPasteModeTheLeftButtonPastesAndAnyOtherLeaves) {
  struct Case {
    int button;
    int pasted;
    bool stillPasting;
  };
  for (const Case c : {Case{kLeftButton, 2, true}, Case{kRightButton, 1, false}}) {
    SCOPED_TRACE(c.button);
    MouseCanvas t;
    t.Cell(1, 1).TileCode = kWall;
    t.Select(1, 1);
    CopySelection(t.editor);
    StartPasteMode(t.editor);
    Level_MouseMove(t.editor, 0, 0, In(10), In(10));
    // The press lands where the last move put the preview, wherever the press itself is.
    t.Click(c.button, 20, 20);
    EXPECT_EQ(t.CountTile(kWall), c.pasted);
    EXPECT_EQ(t.Tile(10, 10), c.pasted == 2 ? kWall : 0);
    EXPECT_EQ(t.editor.clipboard.PasteMode, c.stillPasting);
    EXPECT_EQ(t.window.status[0].text, kPasteModeHint);
  }
}

TEST(CanvasMouse, HoldingSPicksTheButtonsTileFromTheLevel) {
  struct Case {
    int button;
    int primary, secondary;
  };
  for (const Case c : {Case{kLeftButton, testing::kCannon, kGrass}, Case{kRightButton, kWall, testing::kCannon}}) {
    SCOPED_TRACE(c.button);
    MouseCanvas t;
    t.Cell(3, 3).TileCode = testing::kCannon;
    t.editor.input.HeldKey = kPickKey;
    t.Click(c.button, 3, 3);
    EXPECT_EQ(t.editor.tools.PrimaryTile, c.primary);
    EXPECT_EQ(t.editor.tools.SecondaryTile, c.secondary);
    EXPECT_EQ(t.Tile(3, 3), testing::kCannon);
    EXPECT_FALSE(t.editor.preview.PickOutline.Visible);
  }
}

}  // namespace
}  // namespace brolt::editor
