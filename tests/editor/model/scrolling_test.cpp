#include "editor/model/scrolling.h"

#include <gtest/gtest.h>

#include "editor/support/recording_window.h"

namespace brolt::editor {
namespace {

struct ScrollFixture : ::testing::Test, testing::RecordingEditor {
  void Viewport(int width, int height, float zoom) {
    editor.view.ViewportWidth = width;
    editor.view.ViewportHeight = height;
    editor.view.TileSize = zoom;
    editor.view.LevelExtent = static_cast<std::int32_t>(zoom * 50);
  }
};

TEST_F(ScrollFixture, AViewportOf600By400AtZoom20) {
  Viewport(600, 400, 20);
  RefreshViewControls(editor);
  const ViewState& view = editor.view;
  EXPECT_EQ(view.ScrX.Max, 21);
  EXPECT_EQ(view.ScrX.LargeChange, 31);
  EXPECT_EQ(view.ScrY.Max, 31);
  EXPECT_EQ(view.ScrY.LargeChange, 21);
  EXPECT_EQ(view.shpMiniSelect.Width, 90);
  EXPECT_EQ(view.shpMiniSelect.Height, 60);
  EXPECT_EQ(window.brushSizeRange, (std::pair<int, int>{14, 5}));
}

TEST_F(ScrollFixture, ALevelThatFitsAcrossCannotScrollAcross) {
  Viewport(600, 400, 10);
  editor.view.ScrX = {7, 30, 10};
  editor.view.ViewX = 7;
  RefreshViewControls(editor);
  EXPECT_EQ(editor.view.ScrX.Max, 0);
  EXPECT_EQ(editor.view.ScrX.Value, 0);
  EXPECT_EQ(editor.view.ViewX, 0);
  EXPECT_EQ(editor.view.shpMiniSelect.Width, 153);
  EXPECT_EQ(editor.view.shpMiniSelect.Left, 0);
  EXPECT_EQ(editor.view.ScrY.Max, 11);
}

TEST_F(ScrollFixture, AShrinkingRangePullsTheViewBackWithItsBar) {
  Viewport(600, 400, 20);
  editor.view.ScrX = {30, 36, 16};
  editor.view.ViewX = 30;
  RefreshViewControls(editor);
  EXPECT_EQ(editor.view.ScrX.Value, 21);
  EXPECT_EQ(editor.view.ViewX, 21);
}

TEST_F(ScrollFixture, NothingChangesWhileTheMainWindowIsHidden) {
  Viewport(600, 400, 20);
  window.visible = false;
  RefreshViewControls(editor);
  EXPECT_EQ(editor.view.ScrX.Max, 0);
  EXPECT_EQ(editor.view.shpMiniSelect.Width, 0);
  EXPECT_FALSE(window.thicknessMenu.has_value());
  EXPECT_EQ(canvas.Calls(), 0);
}

TEST_F(ScrollFixture, TheToolPanelScrollsInRowsOf37Pixels) {
  Viewport(600, 400, 20);
  struct Case {
    int panel, frame, max;
  };
  for (const Case& c : {Case{200, 300, 0}, Case{300, 300, 0}, Case{740, 370, 11}, Case{400, 111, 9}}) {
    window.toolPanelHeights = {c.panel, c.frame};
    RefreshViewControls(editor);
    EXPECT_EQ(window.toolScrollMax, c.max) << c.panel << " " << c.frame;
  }
}

TEST_F(ScrollFixture, ScrollToClampsBelowZeroAndMovesTheCanvasAndTheBox) {
  Viewport(600, 400, 20);
  RefreshViewControls(editor);
  std::int16_t x = -3;
  std::int16_t y = 5;
  ScrollTo(editor, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(editor.view.ViewX, 0);
  EXPECT_EQ(editor.view.ViewY, 5);
  EXPECT_EQ(editor.view.ScrY.Value, 5);
  EXPECT_EQ(editor.view.shpMiniSelect.Top, 15);
  EXPECT_FALSE(editor.view.ViewChanging);
}

TEST_F(ScrollFixture, ScrollingPastTheBarsMaximumLeavesTheBarWhereItWas) {
  Viewport(600, 400, 20);
  RefreshViewControls(editor);
  std::int16_t x = 10;
  std::int16_t y = 0;
  ScrollTo(editor, x, y);
  x = 25;
  ScrollTo(editor, x, y);
  EXPECT_EQ(editor.view.ScrX.Value, 10);
  EXPECT_EQ(editor.view.ViewX, 25);
  EXPECT_EQ(editor.view.shpMiniSelect.Left, 75);
}

TEST_F(ScrollFixture, TheBarsOwnChangesDoNotScrollWhileTheViewChangesThem) {
  Viewport(600, 400, 20);
  RefreshViewControls(editor);
  editor.view.ScrX.Value = 12;
  editor.view.ViewChanging = true;
  ScrollBarChanged(editor);
  EXPECT_EQ(editor.view.ViewX, 0);
  editor.view.ViewChanging = false;
  ScrollBarChanged(editor);
  EXPECT_EQ(editor.view.ViewX, 12);
}

struct ThicknessCase {
  std::int16_t tool;
  std::int16_t size;
  int visibleItems;
  int checkedCaption;
  std::string label;
};

TEST_F(ScrollFixture, TheThicknessMenuFollowsTheToolAndTheBrushSize) {
  Viewport(600, 400, 20);  // brush-size maximum 14
  for (const ThicknessCase& c : {ThicknessCase{kBrushTool, 2, 7, 3, "3"}, ThicknessCase{kSelectorTool, 1, 7, 1, "1"},
                                 ThicknessCase{kRectangleTool, 4, 7, 4, "4"}, ThicknessCase{kBrushTool, 9, 7, 17, "17"},
                                 ThicknessCase{kLineTool, 2, 0, 0, ""}, ThicknessCase{kFillTool, 1, 0, 0, ""}}) {
    editor.tools.CurrentTool = c.tool;
    editor.tools.BrushSize = c.size;
    RefreshViewControls(editor);
    ASSERT_TRUE(window.thicknessMenu.has_value());
    int visible = 0;
    int checked = 0;
    for (const ThicknessItem& item : window.thicknessMenu->Items) {
      visible += item.Visible ? 1 : 0;
      if (item.Checked) checked = item.Caption;
    }
    EXPECT_EQ(visible, c.visibleItems) << c.tool << " " << c.size;
    EXPECT_EQ(checked, c.checkedCaption) << c.tool << " " << c.size;
    EXPECT_EQ(window.thicknessMenu->Label, c.label);
  }
}

struct CentreCase {
  int firstColumn, lastColumn, firstRow, lastRow;
  int viewX, viewY;
};

TEST_F(ScrollFixture, CenterOnLevelCentresTheOccupiedCells) {
  Viewport(600, 400, 20);  // 30 cells across, 20 down
  for (const CentreCase& c : {
           CentreCase{10, 20, 10, 20, 0, 5},   // |Int(15.5 - 15)| and Int(15.5 - 10)
           CentreCase{0, 30, 0, 30, 0, 0},     // starts in the first column and row
           CentreCase{40, 49, 45, 49, 21, 31},  // ends in the last, starts in the last viewport
           CentreCase{5, 49, 25, 30, 12, 18},  // ends in the last column, starts further out
           CentreCase{2, 3, 2, 3, 12, 7},       // a negative origin turns positive
       }) {
    editor.level = LevelState{};
    for (int x = c.firstColumn; x <= c.lastColumn; ++x)
      for (int y = c.firstRow; y <= c.lastRow; ++y) editor.level.Cell(x, y).TileCode = 7;
    CenterOnLevel(editor);
    EXPECT_EQ(editor.view.ViewX, c.viewX) << c.firstColumn << ".." << c.lastColumn;
    EXPECT_EQ(editor.view.ViewY, c.viewY) << c.firstRow << ".." << c.lastRow;
  }
}

TEST_F(ScrollFixture, CenterOnLevelLeavesTheViewOfAnEmptyLevel) {
  Viewport(600, 400, 20);
  editor.view.ViewX = 4;
  editor.view.ViewY = 9;
  CenterOnLevel(editor);
  EXPECT_EQ(editor.view.ViewX, 4);
  EXPECT_EQ(editor.view.ViewY, 9);
}

}  // namespace
}  // namespace brolt::editor
