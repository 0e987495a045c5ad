#include "editor/model/window/canvas_mouse.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/model/tools/clipboard.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/window/status_bar.h"
#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kCannon;
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
  for (const Case& c : {Case{"inside one cell", {In(5, 8), In(5, 12), In(5, 19)}, 1},
                        Case{"across three cells", {In(5, 15), In(6), In(6, 9), In(7)}, 3}}) {
    MouseCanvas t;
    Level_MouseDown(t.editor, kLeftButton, 0, In(5), In(5));
    for (float x : c.moves) Level_MouseMove(t.editor, kLeftButton, 0, x, In(5));
    Level_MouseUp(t.editor, kLeftButton, 0, c.moves.back(), In(5));
    EXPECT_EQ(t.canvas.redrawnCells.size(), c.paints) << c.name;
    EXPECT_EQ(t.UndoSteps(), 1) << c.name;
    EXPECT_FALSE(t.editor.level.LevelSaved) << c.name;
  }
}

TEST(CanvasMouse, APickWithSOrThePreviewStartPaintsNothingAndRecordsNoUndoStep) {
  struct Case {
    const char* name;
    int tool, heldKey, button;
    int primary, secondary;
  };
  for (const Case& c :
       {Case{"S and the left button pick the primary tile", kBrushTool, kPickKey, kLeftButton, kCannon, kGrass},
        Case{"S and the right button pick the secondary", kBrushTool, kPickKey, kRightButton, kWall, kCannon},
        Case{"the preview start placed", kPreviewStartTool, 0, kLeftButton, kWall, kGrass}}) {
    MouseCanvas t;
    t.Cell(3, 3).TileCode = kCannon;
    t.editor.tools.CurrentTool = static_cast<std::int16_t>(c.tool);
    t.editor.input.HeldKey = static_cast<std::int16_t>(c.heldKey);
    t.Click(c.button, 3, 3);
    EXPECT_EQ(t.editor.tools.PrimaryTile, c.primary) << c.name;
    EXPECT_EQ(t.editor.tools.SecondaryTile, c.secondary) << c.name;
    EXPECT_EQ(t.Tile(3, 3), kCannon) << c.name;
    EXPECT_FALSE(t.editor.preview.PickOutline.Visible) << c.name;
    EXPECT_EQ(t.UndoSteps(), 0) << c.name;
    EXPECT_TRUE(t.editor.level.LevelSaved) << c.name;
  }
}

// The second press lands on the line's last cell, as a line is cancelled only by a press on it, and on a
// cannon, which a right press with the selector would otherwise turn and the other tools paint over.
TEST(CanvasMouse, ASecondButtonDuringADragCancelsItAndAMoveAfterwardsBringsNothingBack) {
  for (const int tool : {kFilledRectangleTool, kLineTool, kSelectorTool}) {
    MouseCanvas t;
    t.Cell(5, 5) = MapCell{kCannon, 1};
    t.editor.tools.Overwrite = true;
    t.editor.tools.CurrentTool = static_cast<std::int16_t>(tool);
    Level_MouseDown(t.editor, kLeftButton, 0, In(2), In(2));
    Level_MouseMove(t.editor, kLeftButton, 0, In(5), In(5));
    t.Click(kRightButton, 5, 5);
    Level_MouseMove(t.editor, kLeftButton, 0, In(8), In(8));
    Level_MouseUp(t.editor, kLeftButton, 0, In(8), In(8));
    EXPECT_EQ(t.CountTile(kWall) + t.CountTile(kGrass), 0) << tool;
    EXPECT_EQ(t.Cell(5, 5), (MapCell{kCannon, 1})) << tool;
    EXPECT_FALSE(t.Cell(3, 3).Selected || t.editor.preview.Marker(3, 3)) << tool;
    EXPECT_EQ(t.UndoSteps(), 0) << tool;
    EXPECT_FALSE(t.editor.preview.SquareOutline.Visible || t.editor.preview.Marquee.Visible) << tool;
  }
}

TEST(CanvasMouse, InPasteModeTheLeftButtonPastesAndAnyOtherLeaves) {
  for (const int button : {kLeftButton, kRightButton}) {
    MouseCanvas t;
    t.Cell(1, 1).TileCode = kWall;
    t.Select(1, 1);
    CopySelection(t.editor);
    StartPasteMode(t.editor);
    Level_MouseMove(t.editor, 0, 0, In(10), In(10));
    // The press lands where the last move put the preview, wherever the press itself is.
    t.Click(button, 20, 20);
    const bool pasted = button == kLeftButton;
    EXPECT_EQ(t.CountTile(kWall), pasted ? 2 : 1) << button;
    EXPECT_EQ(t.Tile(10, 10), pasted ? kWall : 0) << button;
    EXPECT_EQ(t.editor.clipboard.PasteMode, pasted) << button;
    EXPECT_EQ(t.window.status[0].text, kPasteModeHint) << button;
  }
}

// Status panels 0 to 3 as "text", a bold one as "*text*", "-" for a panel never written.
std::string StatusBar(const testing::RecordingWindow& window) {
  std::string shown;
  for (int panel = 0; panel < 4; ++panel) {
    const auto it = window.status.find(panel);
    shown += it == window.status.end() ? "-" : it->second.bold ? "*" + it->second.text + "*" : it->second.text;
    if (panel < 3) shown += "|";
  }
  return shown;
}

TEST(UpdateStatusBar, DescribesTheCellUnderThePointerAndBeyondTheCanvasOnlyItsColumnAndRow) {
  struct Case {
    const char* name;
    int tile, direction;
    bool developer;
    int mouseX;
    const char* shown;
  };
  for (const Case& c : {
           Case{"an empty cell: the preference text", 0, 0, false, 85, "*Nothing here*|Col: 4|Row: 6|Tool: Brush (1)"},
           Case{"a wall facing right", kWall, 2, false, 85, "Tile: Wall (Right)|Col: 4|Row: 6|Tool: Brush (1)"},
           Case{"a direction above 4 has no word", kWall, 7, false, 85, "Tile: Wall|Col: 4|Row: 6|Tool: Brush (1)"},
           Case{"developer mode adds code and digit", kWall, 1, true, 85,
                "Tile: Wall (2)  1 - (Up)|Col: 4|Row: 6|Tool: Brush (1)"},
           Case{"beyond the canvas", kWall, 1, false, 1001, "-|Col: ?|Row: ?|-"},
       }) {
    CanvasTestEditor t;
    t.editor.tiles.TileDefs[kWall].Desc = "Wall";
    t.editor.prefs.StatusBarText = "Nothing here";
    t.editor.DeveloperMode = c.developer;
    t.Cell(4, 6) = MapCell{static_cast<std::int16_t>(c.tile), static_cast<std::int16_t>(c.direction)};
    t.PointAt(4, 6);
    t.editor.input.MouseX = static_cast<std::int16_t>(c.mouseX);
    UpdateStatusBar(t.editor);
    EXPECT_EQ(StatusBar(t.window), c.shown) << c.name;
  }
}

}  // namespace
}  // namespace brolt::editor
