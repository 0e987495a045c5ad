#include "editor/model/tool_selection.h"

#include <gtest/gtest.h>

#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kCannon;
using testing::kGrass;
using testing::kThresher;
using testing::kWall;

// The enabled state each tool leaves; EditPaste is left as it was by every tool but the selector.
struct ToolRow {
  int tool;
  bool rotate;
  bool copyCut;
  bool thickness;
  bool saturation;
  bool sizeBar;
  bool paletteMarker;
};

TEST(SelectTool, SetsTheMenusAndPanelControlsByTool) {
  const ToolRow rows[] = {
      {kSelectorTool, false, true, false, false, false, false},
      {kBrushTool, true, false, true, true, true, true},
      {kFillTool, true, false, false, true, false, true},
      {kRectangleTool, true, false, true, true, true, true},
      {kFilledRectangleTool, true, false, false, true, false, true},
      {kLineTool, true, false, false, true, false, true},
      {kPreviewStartTool, true, false, false, true, true, true},
  };
  for (const ToolRow& row : rows) {
    CanvasTestEditor t;
    SelectTool(t.editor, row.tool, kGrass, false);
    auto& on = t.window.enabled;
    EXPECT_EQ(t.editor.tools.CurrentTool, row.tool);
    EXPECT_EQ(t.window.currentTool, row.tool);
    EXPECT_EQ(on[ToolControl::ToolsRotate], row.rotate) << row.tool;
    EXPECT_EQ(on[ToolControl::ToolsRotateSecondary], row.rotate) << row.tool;
    EXPECT_EQ(on[ToolControl::EditCopy], row.copyCut) << row.tool;
    EXPECT_EQ(on[ToolControl::EditCut], row.copyCut) << row.tool;
    EXPECT_EQ(on[ToolControl::EditRotateMenu], row.copyCut) << row.tool;
    EXPECT_EQ(on.count(ToolControl::EditPaste) == 1, row.tool == kSelectorTool) << row.tool;
    EXPECT_EQ(on[ToolControl::Thickness], row.thickness) << row.tool;
    EXPECT_EQ(on[ToolControl::Saturation], row.saturation) << row.tool;
    EXPECT_EQ(on[ToolControl::BrushSizeBar], row.sizeBar) << row.tool;
    for (ToolControl always : {ToolControl::EditDeleteSelected, ToolControl::EditInvertSelection,
                               ToolControl::EditSelectAll, ToolControl::SelectTilesOnly, ToolControl::EditClearLevel}) {
      EXPECT_TRUE(on[always]) << row.tool;
    }
    EXPECT_EQ(t.window.paletteMarkerShown, row.paletteMarker) << row.tool;
    const int expectedPrimary = row.tool == kPreviewStartTool ? kThresher : kGrass;
    EXPECT_EQ(t.editor.tools.PrimaryTile, expectedPrimary) << row.tool;
    EXPECT_EQ(t.window.paletteMarkerTile, row.paletteMarker ? expectedPrimary : 0) << row.tool;
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

struct PreviewStartCase {
  const char* name;
  int tile;
  bool secondary;
  int expectedTool;
  int expectedPrimary;
};

TEST(SelectTool, ChoosingAnotherTileWhilePlacingThePreviewStartReturnsToTheBrush) {
  for (const PreviewStartCase& c : {PreviewStartCase{"left click on grass", kGrass, false, kBrushTool, kGrass},
                                    PreviewStartCase{"right click on grass", kGrass, true, kBrushTool, kGrass},
                                    PreviewStartCase{"the Thresher", kThresher, false, kPreviewStartTool, kThresher}}) {
    CanvasTestEditor t;
    SelectTool(t.editor, kPreviewStartTool, kWall, false);
    ASSERT_EQ(t.editor.tools.PrimaryTile, kThresher);
    SelectTool(t.editor, t.editor.tools.CurrentTool, c.tile, c.secondary);
    EXPECT_EQ(t.editor.tools.CurrentTool, c.expectedTool) << c.name;
    EXPECT_EQ(t.editor.tools.PrimaryTile, c.expectedPrimary) << c.name;
  }
}

TEST(SelectTool, ANewTileStartsUpWhenItTurnsAndShowsItsPreview) {
  CanvasTestEditor t;
  SelectTool(t.editor, kBrushTool, kCannon, true);
  EXPECT_EQ(t.editor.tools.SecondaryTile, kCannon);
  EXPECT_EQ(t.editor.tools.SecondaryDirection, 1);
  EXPECT_EQ(t.window.previews[true], std::make_pair(kCannon, 1));
  SelectTool(t.editor, kBrushTool, kWall, false);
  EXPECT_EQ(t.editor.tools.PrimaryDirection, 0);
  EXPECT_EQ(t.window.previews[false], std::make_pair(kWall, 0));
}

TEST(SelectTool, FollowsTheCounterTileAndLeavesPasteModeAndDrags) {
  CanvasTestEditor t;
  t.editor.prefs.UsePrimaryForCounter = true;
  t.editor.clipboard.Filled = true;
  t.editor.clipboard.PasteMode = true;
  t.editor.selection.ToolDragActive = true;
  t.editor.input.MouseIsDown = true;
  SelectTool(t.editor, kBrushTool, kWall, true);
  EXPECT_EQ(t.editor.tools.CounterTile, kWall);
  EXPECT_FALSE(t.editor.clipboard.PasteMode);
  EXPECT_FALSE(t.editor.selection.ToolDragActive);
  EXPECT_FALSE(t.editor.input.MouseIsDown);
}

struct TurnCase {
  int from;
  int mode;
  int to;
};

TEST(SetTileDirection, StepsTheTilesDirectionAndWraps) {
  for (const TurnCase& c : {TurnCase{1, 0, 2}, TurnCase{4, 1, 1}, TurnCase{1, 2, 4}, TurnCase{4, 3, 2},
                            TurnCase{3, 3, 1}, TurnCase{2, 9, 2}, TurnCase{0, 0, 0}}) {
    CanvasTestEditor t;
    t.editor.tools.CurrentTool = kBrushTool;
    t.editor.tools.SecondaryDirection = static_cast<std::int16_t>(c.from);
    SetTileDirection(t.editor, c.mode, true);
    EXPECT_EQ(t.editor.tools.SecondaryDirection, c.to) << c.from << " mode " << c.mode;
  }
}

TEST(SetTileDirection, WithTheSelectorTurnsTheTileUnderThePointerAsOneUndoStep) {
  CanvasTestEditor t;
  t.editor.tools.CurrentTool = kSelectorTool;
  t.Cell(6, 7) = MapCell{kCannon, 4, 0, false};
  t.PointAt(6, 7);
  SetTileDirection(t.editor, 2, true);
  EXPECT_EQ(t.Cell(6, 7).Direction, 1);
  EXPECT_EQ(t.UndoSteps(), 1);
  EXPECT_TRUE(t.editor.preview.BrushOutline.Contains(6, 7));
}

TEST(SetTileDirection, WithTheSelectorATileThatDoesNotTurnOnlyClearsTheSelection) {
  CanvasTestEditor t;
  t.editor.tools.CurrentTool = kSelectorTool;
  t.Cell(6, 7) = MapCell{kWall, 0, 0, false};
  t.Select(20, 20);
  t.PointAt(6, 7);
  SetTileDirection(t.editor, 0, false);
  EXPECT_EQ(t.Cell(6, 7).Direction, 0);
  EXPECT_FALSE(t.Cell(20, 20).Selected);
  EXPECT_EQ(t.UndoSteps(), 0);
}

}  // namespace
}  // namespace brolt::editor
