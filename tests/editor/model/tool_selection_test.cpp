#include "editor/model/tool_selection.h"

#include <gtest/gtest.h>

#include "editor/model/rotate_map_cell.h"
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
        {ToolControl::Thickness, row.thickness},   {ToolControl::BrushSizeBar, row.sizeBar},
        {ToolControl::ToolsRotate, !selector},     {ToolControl::ToolsRotateSecondary, !selector},
        {ToolControl::Saturation, !selector},      {ToolControl::EditCopy, selector},
        {ToolControl::EditCut, selector},          {ToolControl::EditRotateMenu, selector},
        {ToolControl::EditDeleteSelected, true},   {ToolControl::EditInvertSelection, true},
        {ToolControl::EditSelectAll, true},        {ToolControl::SelectTilesOnly, true},
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

TEST(SelectTool, AUniqueBrushTileIsOneCellWideUntilTheUserMovesTheBar) {
  CanvasTestEditor t;
  t.editor.tools.BrushSize = 4;
  SelectTool(t.editor, kBrushTool, kThresher, false);
  EXPECT_EQ(t.editor.tools.BrushSize, 1);
  EXPECT_FALSE(t.window.enabled[ToolControl::BrushSizeBar]);
  SelectTool(t.editor, kBrushTool, kGrass, false);
  EXPECT_TRUE(t.window.enabled[ToolControl::BrushSizeBar]);
  EXPECT_EQ(t.editor.tools.BrushSize, 1);
}

TEST(SelectTool, ChoosingAnotherTileWhilePlacingThePreviewStartReturnsToTheBrush) {
  struct Case {
    const char* name;
    int tile;
    bool secondary;
    int expectedTool;
  };
  for (const Case& c : {Case{"left click on grass", kGrass, false, kBrushTool},
                        Case{"right click on grass", kGrass, true, kBrushTool},
                        Case{"the Thresher", kThresher, false, kPreviewStartTool}}) {
    CanvasTestEditor t;
    SelectTool(t.editor, kPreviewStartTool, kWall, false);
    ASSERT_EQ(t.editor.tools.PrimaryTile, kThresher);
    SelectTool(t.editor, t.editor.tools.CurrentTool, c.tile, c.secondary);
    EXPECT_EQ(t.editor.tools.CurrentTool, c.expectedTool) << c.name;
    EXPECT_EQ(t.editor.tools.PrimaryTile, c.tile) << c.name;
  }
}

TEST(SelectTool, ANewTileStartsUpWhenItTurnsAndFollowsTheCounterAndPasteModeAndDragsEnd) {
  CanvasTestEditor t;
  t.editor.prefs.UsePrimaryForCounter = true;
  t.editor.clipboard.Filled = true;
  t.editor.clipboard.PasteMode = true;
  t.editor.selection.ToolDragActive = true;
  t.editor.input.MouseIsDown = true;
  SelectTool(t.editor, kBrushTool, kCannon, true);
  EXPECT_EQ(t.editor.tools.SecondaryDirection, 1);
  EXPECT_EQ(t.window.previews[true], std::make_pair(kCannon, 1));
  EXPECT_EQ(t.editor.tools.CounterTile, kCannon);
  EXPECT_FALSE(t.editor.clipboard.PasteMode);
  EXPECT_FALSE(t.editor.selection.ToolDragActive);
  EXPECT_FALSE(t.editor.input.MouseIsDown);
  SelectTool(t.editor, kBrushTool, kWall, false);
  EXPECT_EQ(t.window.previews[false], std::make_pair(kWall, 0));
}

TEST(SetTileDirection, StepsTheTilesDirectionAndWraps) {
  struct Case {
    int from, mode, to;
  };
  for (const Case& c : {Case{1, 0, 2}, Case{4, 1, 1}, Case{1, 2, 4}, Case{4, 3, 2}, Case{3, 3, 1}, Case{2, 9, 2},
                        Case{0, 0, 0}}) {
    CanvasTestEditor t;
    t.editor.tools.CurrentTool = kBrushTool;
    t.editor.tools.SecondaryDirection = static_cast<std::int16_t>(c.from);
    SetTileDirection(t.editor, c.mode, true);
    EXPECT_EQ(t.editor.tools.SecondaryDirection, c.to) << c.from << " mode " << c.mode;
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

TEST(RotateMapCell, TurnsOnlyASelectedTurningCellHidesTheOutlineAndRedrawsIt) {
  // The quarter and half turns themselves are checked through the rotate commands.
  struct Case {
    const char* name;
    int tile;
    bool selected;
    int mode, from, to;
  };
  const Case cases[] = {
      {"counter-clockwise", kCannon, true, kTurnCounterClockwise, 3, 2},
      {"another mode only redraws", kCannon, true, 5, 4, 4},
      {"a fixed tile", kWall, true, kTurnClockwise, 2, 2},
      {"an unselected cell", kCannon, false, kTurnClockwise, 2, 2},
  };
  for (const Case& c : cases) {
    CanvasTestEditor t;
    t.Cell(7, 49) = MapCell{static_cast<std::int16_t>(c.tile), static_cast<std::int16_t>(c.from), 0, c.selected};
    t.editor.preview.BrushOutline.Visible = true;
    const bool turns = c.tile == kCannon && c.selected;
    EXPECT_EQ(RotateMapCell(t.editor, 7, 49, c.mode), turns) << c.name;
    EXPECT_EQ(t.Cell(7, 49).Direction, c.to) << c.name;
    EXPECT_EQ(t.canvas.redrawnCells.size(), turns ? 1u : 0u) << c.name;
    EXPECT_EQ(t.editor.preview.BrushOutline.Visible, !turns) << c.name;
  }
  CanvasTestEditor outside;
  for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{0, kMapSize}, std::pair{kMapSize, 3}}) {
    EXPECT_FALSE(RotateMapCell(outside.editor, x, y, kTurnHalf)) << x << "," << y;
  }
}

}  // namespace
}  // namespace brolt::editor
