#include "editor/model/tools/tool_selection.h"

#include <gtest/gtest.h>

#include <tuple>

#include "editor/model/tools/rotate_map_cell.h"
#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kCannon;
using testing::kGrass;
using testing::kThresher;
using testing::kWall;

TEST(SelectTool, TheSelectorEnablesTheSelectionControlsAndEachPaintingToolItsOwn) {
  struct Row {
    int tool;
    bool thickness, sizeBar;
  };
  for (const Row& row : {Row{kSelectorTool, false, false}, Row{kBrushTool, true, true}, Row{kFillTool, false, false},
                         Row{kRectangleTool, true, true}, Row{kFilledRectangleTool, false, false},
                         Row{kLineTool, false, false}, Row{kPreviewStartTool, false, true}}) {
    CanvasTestEditor t;
    SelectTool(t.editor, row.tool, kGrass, false);
    const bool selector = row.tool == kSelectorTool;
    const std::pair<ToolControl, bool> expected[] = {
        {ToolControl::Thickness, row.thickness}, {ToolControl::BrushSizeBar, row.sizeBar},
        {ToolControl::ToolsRotate, !selector},   {ToolControl::ToolsRotateSecondary, !selector},
        {ToolControl::Saturation, !selector},    {ToolControl::EditCopy, selector},
        {ToolControl::EditCut, selector},        {ToolControl::EditRotateMenu, selector},
        // The whole-level selection commands work with any tool.
        {ToolControl::EditDeleteSelected, true}, {ToolControl::EditInvertSelection, true},
        {ToolControl::EditSelectAll, true},      {ToolControl::SelectTilesOnly, true},
        {ToolControl::EditClearLevel, true}};
    for (const auto& [control, enabled] : expected) {
      EXPECT_EQ(t.window.enabled[control], enabled) << row.tool << " control " << static_cast<int>(control);
    }
    // Every other tool leaves Paste as it was.
    EXPECT_EQ(t.window.enabled.count(ToolControl::EditPaste) == 1, selector) << row.tool;
    const int primary = row.tool == kPreviewStartTool ? kThresher : kGrass;
    EXPECT_EQ(t.editor.tools.PrimaryTile, primary) << row.tool;
    EXPECT_EQ(t.window.paletteMarkerShown, !selector) << row.tool;
    EXPECT_EQ(t.window.paletteMarkerTile, selector ? 0 : primary) << row.tool;
  }
}

TEST(SelectTool, ANewTileStartsUpIfItTurnsAUniqueOneNarrowsTheBrushToOneCellAndAnotherEndsThePreviewStart) {
  CanvasTestEditor t;
  t.editor.prefs.UsePrimaryForCounter = true;
  t.editor.clipboard.ClipboardFilled = true;
  t.editor.clipboard.PasteMode = true;
  t.editor.selection.ToolDragActive = true;
  t.editor.input.MouseIsDown = true;
  t.editor.tools.BrushSize = 4;
  SelectTool(t.editor, kBrushTool, kCannon, true);
  EXPECT_EQ(t.window.previews[true], std::make_pair(kCannon, 1));
  EXPECT_EQ(t.editor.tools.CounterTile, kCannon);
  EXPECT_FALSE(t.editor.clipboard.PasteMode);
  EXPECT_FALSE(t.editor.selection.ToolDragActive);
  EXPECT_FALSE(t.editor.input.MouseIsDown);
  SelectTool(t.editor, kBrushTool, kThresher, false);
  EXPECT_EQ(t.editor.tools.BrushSize, 1);
  EXPECT_FALSE(t.window.enabled[ToolControl::BrushSizeBar]);
  SelectTool(t.editor, kBrushTool, kWall, false);
  EXPECT_EQ(t.window.previews[false], std::make_pair(kWall, 0));
  EXPECT_TRUE(t.window.enabled[ToolControl::BrushSizeBar]);
  EXPECT_EQ(t.editor.tools.BrushSize, 1);  // until the user moves the bar

  // While the preview start is placed the Thresher stays chosen; another tile, for either button,
  // returns to the brush with that tile as the primary one.
  for (const auto& [tile, tool] : {std::pair{kGrass, kBrushTool}, std::pair{kThresher, kPreviewStartTool}}) {
    SelectTool(t.editor, kPreviewStartTool, kWall, false);
    SelectTool(t.editor, kPreviewStartTool, tile, true);
    EXPECT_EQ(t.editor.tools.CurrentTool, tool) << tile;
    EXPECT_EQ(t.editor.tools.PrimaryTile, tile) << tile;
  }
}

TEST(SetTileDirection, StepsTheTilesDirectionAndWraps) {
  for (const auto& [from, mode, to] :
       {std::tuple{1, 0, 2}, std::tuple{4, 1, 1}, std::tuple{1, 2, 4}, std::tuple{4, 3, 2}, std::tuple{3, 3, 1},
        std::tuple{2, 9, 2}, std::tuple{0, 0, 0}}) {
    CanvasTestEditor t;
    t.editor.tools.CurrentTool = kBrushTool;
    t.editor.tools.SecondaryDirection = static_cast<std::int16_t>(from);
    SetTileDirection(t.editor, mode, true);
    EXPECT_EQ(t.editor.tools.SecondaryDirection, to) << from << " mode " << mode;
  }
}

TEST(SetTileDirection, WithTheSelectorTurnsTheCellUnderThePointerOrTheSelectionAsOneUndoStep) {
  struct Case {
    const char* name;
    int tile;
    bool pointedCellSelected;
    int direction;  // afterwards, from 4
    int steps;
  };
  for (const Case& c : {Case{"a turning tile", kCannon, false, 1, 1}, Case{"a fixed tile", kWall, false, 4, 0},
                        Case{"a selected cell turns the selection", kCannon, true, 1, 1}}) {
    CanvasTestEditor t;
    t.editor.tools.CurrentTool = kSelectorTool;
    t.Cell(6, 7) = MapCell{static_cast<std::int16_t>(c.tile), 4, 0, c.pointedCellSelected};
    t.Cell(20, 20) = MapCell{kCannon, 2, 0, true};
    t.PointAt(6, 7);
    SetTileDirection(t.editor, 2, true);
    EXPECT_EQ(t.Cell(6, 7).Direction, c.direction) << c.name;
    EXPECT_EQ(t.Cell(20, 20).Direction, c.pointedCellSelected ? 3 : 2) << c.name;
    EXPECT_EQ(t.Cell(20, 20).Selected, !c.pointedCellSelected && c.tile == kCannon) << c.name;
    EXPECT_EQ(t.UndoSteps(), c.steps) << c.name;
    EXPECT_EQ(t.editor.preview.BrushOutline.Contains(6, 7), c.tile == kCannon && !c.pointedCellSelected) << c.name;
  }
}

// The turns themselves, and the cells that may not turn, are checked through the rotate commands.
TEST(RotateMapCell, ATurnedCellIsRepaintedAtOnceAndHidesTheBrushOutline) {
  CanvasTestEditor t;
  t.Cell(7, 49) = MapCell{kCannon, 3, 0, true};
  t.editor.preview.BrushOutline.Visible = true;
  EXPECT_TRUE(RotateMapCell(t.editor, 7, 49, kTurnCounterClockwise));
  EXPECT_EQ(t.Cell(7, 49).Direction, 2);
  EXPECT_EQ(t.canvas.redrawnCells, (std::vector<std::pair<int, int>>{{7, 49}}));
  EXPECT_FALSE(t.editor.preview.BrushOutline.Visible);
  for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{0, kMapSize}}) EXPECT_FALSE(RotateMapCell(t.editor, x, y, 0));
}

}  // namespace
}  // namespace brolt::editor
