#include <gtest/gtest.h>

#include <algorithm>

#include "editor/model/tools/brush_painting.h"
#include "editor/model/tools/line_tool.h"
#include "editor/model/tools/square_tool.h"
#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;
using testing::kGrass;
using testing::kThresher;
using testing::kWall;

TEST(LineCells, VisitsOneCellPerColumnOrRowRoundingHalfToEven) {
  struct Case {
    CellPosition start, end;
    std::vector<CellPosition> cells;
  };
  const Case cases[] = {
      {{0, 0}, {3, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
      {{0, 0}, {2, 1}, {{0, 0}, {1, 0}, {2, 1}}},
      {{0, 1}, {2, 2}, {{0, 1}, {1, 2}, {2, 2}}},
      {{0, 0}, {2, 2}, {{0, 0}, {1, 1}, {2, 2}}},
      {{9, 5}, {5, 5}, {{9, 5}, {8, 5}, {7, 5}, {6, 5}, {5, 5}}},
      {{4, 4}, {4, 4}, {{4, 4}}},
      {{3, 6}, {2, 3}, {{3, 6}, {3, 5}, {2, 4}, {2, 3}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LineCells(c.start.x, c.start.y, c.end.x, c.end.y), c.cells) << c.end.x << "," << c.end.y;
  }
}

// A rectangle or line gesture as the main window drives it: press, move, release.
void DragBox(CanvasTestEditor& t, int tool, CellPosition from, CellPosition to, bool secondary) {
  t.editor.tools.CurrentTool = static_cast<std::int16_t>(tool);
  t.editor.input.MouseState = secondary ? 2 : 1;
  t.PointAt(from.x, from.y);
  BeginSquareTool(t.editor);
  BeginLineTool(t.editor);
  t.PointAt(to.x, to.y);
  DragSquareTool(t.editor);
  DragLineTool(t.editor);
}

void Release(CanvasTestEditor& t, bool secondary) {
  ApplySquareTool(t.editor, secondary);
  ApplyLineTool(t.editor, secondary);
  t.editor.selection.ToolDragActive = false;
}

// Every tool paints through the brush engine, so each must honour its overwrite rule.
TEST(PaintingTools, LeaveOccupiedCellsUnlessOverwritingErasingOrPaintingTheEmptyTile) {
  struct Case {
    const char* name;
    bool overwrite;
    int paintedTile;
    bool erase;
    int expectedOnWall;
  };
  const Case cases[] = {
      {"overwrite off", false, kGrass, false, kWall},
      {"overwrite on", true, kGrass, false, kGrass},
      {"the empty tile", false, 0, false, 0},
      {"erasing ignores the saturation and other copies of a unique tile", false, kThresher, true, 0},
  };
  for (const Case& c : cases) {
    for (const int tool : {kBrushTool, kFilledRectangleTool, kLineTool}) {
      CanvasTestEditor t;
      t.editor.tools.Overwrite = c.overwrite;
      t.editor.tools.SecondaryTile = static_cast<std::int16_t>(c.paintedTile);
      t.editor.tools.Saturation = c.erase ? 10 : 100;
      t.editor.tools.BrushSize = 2;  // three cells wide: columns and rows 9..11
      if (c.erase) t.editor.input.HeldKey = kSpaceKey;
      t.Cell(9, 9).TileCode = kWall;
      t.Cell(12, 10).TileCode = kWall;  // just outside the square
      t.Cell(30, 30).TileCode = kThresher;
      if (tool == kBrushTool) {
        PlaceTile(t.editor, 10, 10, false, true);
      } else {
        DragBox(t, tool, {9, 9}, {11, 11}, true);
        Release(t, true);
      }
      EXPECT_EQ(t.Tile(9, 9), c.expectedOnWall) << c.name << ", tool " << tool;
      EXPECT_EQ(t.Tile(11, 11), c.erase ? 0 : c.paintedTile) << c.name << ", tool " << tool;
      EXPECT_EQ(t.Tile(12, 10), kWall) << c.name << ", tool " << tool;
      EXPECT_EQ(t.Tile(30, 30), kThresher) << c.name << ", tool " << tool;
    }
  }
}

TEST(RectangleAndLineTools, PaintTheirFreeLevelCellsAndRecordAStepUnlessOnlyTheStartCellWasTried) {
  struct Case {
    const char* name;
    int tool, thickness;
    CellPosition from, to;
    int painted, steps;
  };
  const Case cases[] = {
      {"outline", kRectangleTool, 1, {2, 2}, {6, 5}, 14, 1},
      {"an outline as thick as the box is filled", kRectangleTool, 2, {2, 2}, {6, 5}, 20, 1},
      {"filled", kFilledRectangleTool, 1, {2, 2}, {6, 5}, 20, 1},
      {"rectangle over occupied cells", kFilledRectangleTool, 1, {0, 0}, {2, 0}, 0, 1},
      {"line over occupied cells", kLineTool, 1, {0, 0}, {2, 0}, 0, 1},
      {"one-cell line on an occupied cell", kLineTool, 1, {0, 0}, {0, 0}, 0, 0},
      {"rectangle started off the level", kFilledRectangleTool, 1, {-2, -2}, {1, 1}, 2, 1},
      {"line started off the level", kLineTool, 1, {-2, -2}, {1, 1}, 1, 1},
  };
  for (const Case& c : cases) {
    CanvasTestEditor t;
    t.editor.tools.PrimaryTile = kGrass;
    t.editor.tools.BrushSize = static_cast<std::int16_t>(c.thickness);
    for (int x = 0; x < 3; ++x) t.Cell(x, 0).TileCode = kWall;
    DragBox(t, c.tool, c.from, c.to, false);
    if (c.tool == kRectangleTool) {  // the outline's hollow shows while dragging, unless the border fills the box
      const CellBox& inner = t.editor.preview.SquareInner;
      const std::array<int, 4> hollow{inner.Left, inner.Top, inner.Right, inner.Bottom};
      EXPECT_EQ(inner.Visible, c.thickness == 1) << c.name;
      EXPECT_TRUE(!inner.Visible || hollow == (std::array{3, 3, 5, 4})) << c.name;
    }
    Release(t, false);
    EXPECT_EQ(t.CountTile(kGrass), c.painted) << c.name;
    EXPECT_EQ(t.CountTile(kWall), 3) << c.name;
    EXPECT_EQ(t.Tile(c.to.x, c.to.y), c.painted > 0 ? kGrass : kWall) << c.name << ": the far corner";
    EXPECT_EQ(t.UndoSteps(), c.steps) << c.name;
    EXPECT_FALSE(t.editor.preview.SquareOutline.Visible) << c.name;
  }
}

// The press that cancels lands on a middle cell of a line that is not diagonal, so a check of the wrong
// cell, or of x and y swapped, fails to cancel; the canvas mouse tests press the last cell.
TEST(LineTool, ThePreviewMarksTheLinesCellsInPlaceOfTheSelectionAndOnlyAPressOnTheLineCancelsIt) {
  for (const auto& [pressed, cancels] : {std::pair{CellPosition{10, 10}, false}, std::pair{CellPosition{2, 1}, true}}) {
    CanvasTestEditor t;
    t.Select(20, 20);
    t.editor.tools.PrimaryTile = kWall;
    DragBox(t, kLineTool, {0, 0}, {3, 1}, false);
    EXPECT_FALSE(t.Cell(20, 20).Selected);
    for (const CellPosition cell : LineCells(0, 0, 3, 1)) EXPECT_TRUE(t.editor.preview.Marker(cell.x, cell.y));
    EXPECT_FALSE(t.editor.preview.Marker(2, 0));
    t.PointAt(pressed.x, pressed.y);
    EXPECT_EQ(CancelLineDrag(t.editor), cancels) << pressed.x;
    EXPECT_EQ(t.editor.input.MouseState, cancels ? 0 : 1) << pressed.x;
    EXPECT_EQ(t.editor.preview.Marker(2, 1), !cancels) << pressed.x;
    Release(t, false);
    EXPECT_EQ(t.CountTile(kWall), cancels ? 0 : 4) << pressed.x;
    for (const CellPosition cell : LineCells(0, 0, 3, 1)) EXPECT_EQ(t.Tile(cell.x, cell.y) == kWall, !cancels);
    EXPECT_EQ(t.UndoSteps(), cancels ? 0 : 1) << pressed.x;
  }
}

TEST(LineTool, AUniqueTileOrAOneCellLinePaintsOnlyItsStartCellAndAlwaysPaintsIt) {
  struct Case {
    const char* name;
    int tile;
    CellPosition end;
    bool erase;
  };
  const Case cases[] = {
      {"unique tile", kThresher, {8, 3}, false},
      {"one cell", kWall, {1, 1}, false},
      {"one cell erasing", kWall, {1, 1}, true},
  };
  for (const Case& c : cases) {
    CanvasTestEditor t;
    t.editor.random.Seed(3);
    t.editor.tools.Saturation = 1;  // the start cell is painted whatever the saturation
    t.editor.tools.PrimaryTile = static_cast<std::int16_t>(c.tile);
    t.editor.tools.PrimaryDirection = 3;
    t.Cell(1, 1) = MapCell{kGrass, 0, 0, false};
    t.editor.tools.Overwrite = true;
    if (c.erase) t.editor.input.HeldKey = kSpaceKey;
    DragBox(t, kLineTool, {1, 1}, c.end, false);
    int marked = 0;
    for (const auto& column : t.editor.preview.MarkerShown) marked += static_cast<int>(std::ranges::count(column, true));
    EXPECT_EQ(marked, 1) << c.name;
    Release(t, false);
    EXPECT_EQ(t.Cell(1, 1), c.erase ? MapCell{} : (MapCell{static_cast<std::int16_t>(c.tile), 3, 0, false})) << c.name;
    EXPECT_EQ(t.CountTile(c.tile), c.erase ? 0 : 1) << c.name;
    EXPECT_EQ(t.UndoSteps(), 1) << c.name;
  }
}

}  // namespace
}  // namespace brolt::editor
