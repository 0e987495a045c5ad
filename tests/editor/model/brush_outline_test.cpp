#include "editor/model/brush_outline.h"

#include <gtest/gtest.h>

#include "editor/model/brush_size.h"
#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;

TEST(SetBoundries, HoldsThePointerToTheWholeCellsInViewAndToTheLevel) {
  struct Case {
    const char* name;
    std::int16_t viewX;
    int viewportWidth;
    std::int16_t mouseX, expected;
  };
  const Case cases[] = {
      {"inside column 49", 30, 425, 985, 980},
      {"last pixel of column 48 counts as 49", 30, 425, 979, 980},
      {"column 0 snaps to its edge", 0, 425, 13, 0},
      {"first column in view snaps to its edge", 10, 425, 207, 200},
      {"a drag out to the right keeps the last whole cell in view", 0, 425, 600, 419},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CanvasTestEditor t;
    t.editor.view.ViewX = c.viewX;
    t.editor.view.ViewportWidth = c.viewportWidth;
    t.editor.view.ViewportHeight = 425;
    t.editor.input.MouseX = c.mouseX;
    t.editor.input.MouseY = 105;
    SetBoundries(t.editor);
    EXPECT_EQ(t.editor.input.MouseX, c.expected);
    EXPECT_EQ(t.editor.input.MouseY, 105);
  }
}

TEST(MoveBrush, PlacesTheSquareAndTheBandsByTool) {
  struct Case {
    const char* name;
    int tool;
    std::int16_t size;
    bool buttonDown;
    int column, row;
    CellBox square, rowBand, columnBand;
  };
  const Case cases[] = {
      {"brush of 5 at the left edge stays in the level", kBrushTool, 3, true, 0, 10,
       {0, 8, 4, 12, true}, {0, 8, 49, 12, true}, {0, 0, 4, 49, true}},
      {"brush of 5 at the right edge", kBrushTool, 3, true, 49, 49,
       {45, 45, 49, 49, true}, {0, 45, 49, 49, true}, {45, 0, 49, 49, true}},
      {"brush with no button held shows only the bands", kBrushTool, 2, false, 7, 9,
       {6, 8, 8, 10, false}, {0, 8, 49, 10, true}, {6, 0, 8, 49, true}},
      {"fill bands cross at the cursor cell", kFillTool, 3, true, 7, 9,
       {5, 7, 9, 11, false}, {0, 9, 49, 9, true}, {7, 0, 7, 49, true}},
      {"preview start bands are as wide as the brush", kPreviewStartTool, 2, false, 7, 9,
       {6, 8, 8, 10, false}, {0, 8, 49, 10, true}, {6, 0, 8, 49, true}},
      {"the selector shows nothing", kSelectorTool, 1, true, 7, 9, {}, {}, {}},
  };
  auto same = [](const CellBox& a, const CellBox& b) {
    return a.Visible == b.Visible && (!a.Visible || (a.Left == b.Left && a.Top == b.Top && a.Right == b.Right &&
                                                     a.Bottom == b.Bottom));
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CanvasTestEditor t;
    t.editor.tools.CurrentTool = static_cast<std::int16_t>(c.tool);
    t.editor.tools.BrushSize = c.size;
    t.editor.input.MouseIsDown = c.buttonDown;
    t.PointAt(c.column, c.row);
    MoveBrush(t.editor);
    const CanvasPreview& preview = t.editor.preview;
    EXPECT_TRUE(same(preview.BrushOutline, c.square));
    EXPECT_TRUE(same(preview.GuideRow, c.rowBand));
    EXPECT_TRUE(same(preview.GuideColumn, c.columnBand));
  }
}

TEST(MoveBrush, ANewBrushSizeShowsWhileThePointerRestsInItsCell) {
  CanvasTestEditor t;
  t.editor.input.MouseIsDown = true;
  t.PointAt(20, 20);
  MoveBrush(t.editor);
  SetBrushSize(t.editor, 3);
  const CellBox& square = t.editor.preview.BrushOutline;
  EXPECT_EQ(square.Left, 18);
  EXPECT_EQ(square.Right, 22);
  EXPECT_EQ(t.editor.preview.GuideRow.Top, 18);
}

}  // namespace
}  // namespace brolt::editor
