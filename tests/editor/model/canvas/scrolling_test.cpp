#include "editor/model/canvas/scrolling.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <tuple>

#include "editor/model/canvas/mouse_pointer.h"
#include "editor/model/canvas/zoom.h"
#include "editor/model/tools/custom_values.h"
#include "editor/model/window/minimap_mouse.h"
#include "editor/support/recording_window.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

// A 600 by 400 viewport: 30 cells across and 20 down at zoom 20.
struct ViewFixture : ::testing::Test, testing::RecordingEditor {
  ViewFixture() {
    editor.ui.dialogs = &dialogs;
    Zoom(20);
  }
  void Zoom(float zoom) {
    editor.view.ViewportWidth = 600;
    editor.view.ViewportHeight = 400;
    editor.view.TileSize = zoom;
    editor.view.LevelExtent = static_cast<std::int32_t>(zoom * 50);
  }
  void Scroll(int x, int y) {
    std::int16_t column = static_cast<std::int16_t>(x);
    std::int16_t row = static_cast<std::int16_t>(y);
    ScrollTo(editor, column, row);
  }
  // The zoom, the level's extent in pixels, the zoom preference and the zoom label.
  std::string ZoomShown() const {
    return std::to_string(static_cast<int>(editor.view.TileSize)) + " " + std::to_string(editor.view.LevelExtent) +
           " " + std::to_string(editor.prefs.ZoomPreference) + " '" + window.zoomText + "'";
  }
  testing::ScriptedDialogs dialogs;
};

// The bars' ranges and the minimap box of a level larger than the view are checked on the real window
// after every step of the designer's sequence, a range that shrinks under the view included.
TEST_F(ViewFixture, NothingChangesWhileTheMainWindowIsHiddenAndALevelThatFitsAcrossCannotScrollAcross) {
  window.visible = false;
  RefreshViewControls(editor);
  EXPECT_FALSE(window.thicknessMenu.has_value());
  EXPECT_EQ(canvas.Calls(), 0);
  window.visible = true;
  Zoom(10);  // 500 pixels across, 400 down
  editor.view.ScrX = {7, 50, 1};
  editor.view.ViewX = 7;
  RefreshViewControls(editor);
  const ViewState& v = editor.view;
  EXPECT_EQ((std::array<int, 7>{v.ScrX.Max, v.ScrX.Value, v.ViewX, v.ScrY.Max, v.ScrY.LargeChange,
                                v.shpMiniSelect.Width, v.shpMiniSelect.Height}),
            (std::array{0, 0, 0, 11, 41, 153, 120}));
}

TEST_F(ViewFixture, ScrollToClampsBelowZeroAndLeavesABarPastItsMaximumOrChangedByTheViewWhereItWas) {
  RefreshViewControls(editor);
  // The view's column and row, the bars' values and the minimap box's corner.
  auto where = [this] {
    const ViewState& v = editor.view;
    return std::array<int, 6>{v.ViewX, v.ViewY, v.ScrX.Value, v.ScrY.Value, static_cast<int>(v.shpMiniSelect.Left),
                              static_cast<int>(v.shpMiniSelect.Top)};
  };
  Scroll(-3, 5);
  EXPECT_EQ(where(), (std::array{0, 5, 0, 5, 0, 15}));
  EXPECT_FALSE(editor.view.ViewChanging);
  Scroll(10, 0);
  Scroll(25, 0);
  EXPECT_EQ(where(), (std::array{25, 0, 10, 0, 75, 0}));

  editor.view.ScrX.Value = 12;
  editor.view.ViewChanging = true;
  ScrollBarChanged(editor);
  EXPECT_EQ(editor.view.ViewX, 25);
  editor.view.ViewChanging = false;
  ScrollBarChanged(editor);
  EXPECT_EQ(where(), (std::array{12, 0, 12, 0, 36, 0}));
}

// The brush's and the selector's label are checked on the real window by the designer's sequence.
TEST_F(ViewFixture, TheThicknessMenuShowsWhatTheBarReachesAndChecksTheToolsSize) {
  using Row = std::array<int, 3>;  // the tool, its size, the checked caption (0: no thickness, nothing shows)
  for (const auto& [tool, size, checked] : {Row{kBrushTool, 2, 3}, Row{kSelectorTool, 1, 1}, Row{kRectangleTool, 4, 4},
                                           Row{kBrushTool, 9, 17}, Row{kLineTool, 2, 0}, Row{kFillTool, 1, 0}}) {
    editor.tools.CurrentTool = static_cast<std::int16_t>(tool);
    editor.tools.BrushSize = static_cast<std::int16_t>(size);
    RefreshViewControls(editor);
    EXPECT_EQ(window.brushSizeRange, (std::pair<int, int>{14, 5}));
    ASSERT_TRUE(window.thicknessMenu.has_value());
    int visible = 0;
    int shownChecked = 0;
    for (const ThicknessItem& item : window.thicknessMenu->Items) {
      visible += item.Visible ? 1 : 0;
      if (item.Checked) shownChecked = item.Caption;
    }
    EXPECT_EQ(visible, checked ? 7 : 0) << tool;  // widths to 13 of the brush's 14, thicknesses to 7
    EXPECT_EQ(shownChecked, checked) << tool;
    EXPECT_EQ(window.thicknessMenu->Label, checked ? std::to_string(checked) : "") << tool;
  }
}

TEST_F(ViewFixture, CenterOnLevelCentresTheOccupiedCells) {
  struct Case {
    int firstColumn, lastColumn, firstRow, lastRow;
    int viewX, viewY;
  };
  for (const Case& c : {
           Case{10, 20, 10, 20, 0, 5},    // |Int(15.5 - 15)| and Int(15.5 - 10)
           Case{0, 30, 0, 30, 0, 0},      // starts in the first column and row
           Case{40, 49, 45, 49, 21, 31},  // ends in the last, starts in the last viewport
           Case{5, 49, 25, 30, 12, 18},   // ends in the last column, starts further out
           Case{2, 3, 2, 3, 12, 7},       // a negative origin turns positive
           Case{1, 0, 1, 0, 4, 9},        // an empty level keeps the view
       }) {
    editor.level = LevelState{};
    editor.view.ViewX = 4;
    editor.view.ViewY = 9;
    for (int x = c.firstColumn; x <= c.lastColumn; ++x)
      for (int y = c.firstRow; y <= c.lastRow; ++y) editor.level.Cell(x, y).TileCode = 7;
    CenterOnLevel(editor);
    EXPECT_EQ(editor.view.ViewX, c.viewX) << c.firstColumn << ".." << c.lastColumn;
    EXPECT_EQ(editor.view.ViewY, c.viewY) << c.firstRow << ".." << c.lastRow;
  }
}

TEST_F(ViewFixture, AZoomOutsideOneToAHundredChangesNothingAndOneInsideLeavesPasteModeAndTheSelection) {
  editor.clipboard.PasteMode = true;
  editor.level.Cell(2, 2).Selected = true;
  editor.preview.Marker(2, 2) = true;
  editor.view.ScrX.Max = 21;
  editor.view.ViewX = 5;
  editor.view.ViewY = 3;
  for (const int zoom : {0, 101, -5, 32767}) SetZoom(editor, zoom);
  EXPECT_EQ(ZoomShown(), "20 1000 20 ''");
  EXPECT_TRUE(editor.clipboard.PasteMode);
  EXPECT_TRUE(editor.level.Cell(2, 2).Selected);
  EXPECT_EQ(canvas.Calls(), 0);

  SetZoom(editor, 40);
  EXPECT_FALSE(editor.clipboard.PasteMode);
  EXPECT_FALSE(editor.level.Cell(2, 2).Selected);
  EXPECT_FALSE(editor.preview.Marker(2, 2));
  EXPECT_EQ((std::array<int, 2>{editor.view.ViewX, editor.view.ViewY}), (std::array{5, 3}));
  EXPECT_EQ(canvas.levelRedraws, 1);
  EXPECT_EQ(window.pointers.back(), kDefaultPointer);  // no hourglass left over the window
  // The hourglass covers the window while the view is rebuilt; leaving paste mode puts the default
  // pointer back first.
  EXPECT_EQ(window.pointers, (std::vector<int>{kDefaultPointer, kHourglassPointer, kDefaultPointer}));

  // The zoom menu ticks the item of its zoom, and none for a zoom it does not list.
  for (const auto& [zoom, extent, menuItem] : {std::array{1, 50, -1}, std::array{10, 500, 0},
                                               std::array{45, 2250, 7}, std::array{50, 2500, -1}}) {
    SetZoom(editor, zoom);
    const std::string z = std::to_string(zoom);
    EXPECT_EQ(ZoomShown(), z + " " + std::to_string(extent) + " " + z + " '" + z + "'");
    EXPECT_EQ(window.zoomItem, menuItem) << zoom;
    EXPECT_FALSE(editor.view.ViewChanging) << zoom;
  }
}

// A canvas that fails to repaint at one zoom, or at every zoom when that zoom is 0.
struct FailingCanvas : testing::RecordingCanvas {
  FailingCanvas(float zoom, const ViewState& shown) : failingZoom(zoom), view(shown) {}
  void RedrawLevel() override {
    ++levelRedraws;
    if (failingZoom == 0 || view.TileSize == failingZoom) throw std::runtime_error("Out of memory");
  }
  float failingZoom;
  const ViewState& view;
};

TEST_F(ViewFixture, AFailedZoomReturnsOnceToTheOldZoomAndIsReportedOnce) {
  for (const float failingZoom : {50.0F, 0.0F}) {
    FailingCanvas failing(failingZoom, editor.view);
    editor.ui.canvas = &failing;
    dialogs.messages.clear();
    SetZoom(editor, 50);
    EXPECT_EQ(failing.levelRedraws, 2) << failingZoom;
    EXPECT_EQ(ZoomShown(), "20 1000 20 '20'") << failingZoom;
    EXPECT_FALSE(editor.view.ViewChanging) << failingZoom;
    ASSERT_EQ(dialogs.messages.size(), 1u) << failingZoom;
    EXPECT_EQ(dialogs.messages[0].text.rfind("ERROR:  Out of memory. ", 0), 0u) << dialogs.messages[0].text;
    EXPECT_EQ(dialogs.messages[0].buttons, ButtonSet::OK);
  }
}

// A typed value is held to its range, 1 to 100 percent for the saturation and 10 to 100 pixels for
// the zoom; no answer changes nothing. The item a custom saturation adds is checked by the menu tests.
TEST_F(ViewFixture, CustomSaturationAndZoomAreHeldToTheirRangesAndNoAnswerKeepsThem) {
  struct Case {
    const char* answer;
    std::optional<int> saturation;  // nothing: no answer
    float zoom;                     // from 20
  };
  for (const Case& c : {Case{"0", 1, 10}, Case{"150", 100, 100}, Case{"5", 5, 10}, Case{"300", 100, 100},
                        Case{"30", 30, 30}, Case{"", std::nullopt, 20}}) {
    dialogs.inputAnswers = {c.answer, c.answer};
    editor.view.TileSize = 20;
    EXPECT_EQ(AskCustomSaturation(editor), c.saturation) << c.answer;
    AskCustomZoom(editor);
    EXPECT_FLOAT_EQ(editor.view.TileSize, c.zoom) << c.answer;
  }
  EXPECT_EQ(dialogs.prompts.front(), "What is your desired saturation level in percent?");
}

TEST_F(ViewFixture, TheMinimapShowsThePointedCellAndDragsTheViewWithTheLeftButtonOnly) {
  MiniLevelMouseDown(editor, kRightButton, 30, 30);
  MiniLevelMouseMove(editor, 149, 0);
  EXPECT_EQ(window.status[1].text, "Col: 49");
  EXPECT_EQ(window.status[2].text, "Row: 0");
  EXPECT_EQ(canvas.viewMoves, 0);
  MiniLevelMouseUp(editor, kRightButton, 149, 0);
  EXPECT_EQ(dialogs.helpTopics, std::vector<std::string>{"minimap"});

  // The drawn box, 30 by 20 cells, centred on the pointed cell and held on the minimap (the designer's
  // sequence checks more places); the canvas takes the keys unless the help window has them.
  RefreshViewControls(editor);
  for (const auto& [pointed, view, helpShown] : {std::tuple{60.f, std::array{5, 10}, false},
                                                 std::tuple{149.f, std::array{20, 30}, true}}) {
    window.helpOrSplashShown = helpShown;
    window.canvasFocused = 0;
    MiniLevelMouseDown(editor, kLeftButton, pointed, pointed);
    EXPECT_EQ(window.status[1].text + window.status[2].text,
              "<Col: " + std::to_string(view[0]) + "^Row: " + std::to_string(view[1]));
    MiniLevelMouseMove(editor, pointed + 1, pointed + 1);
    EXPECT_EQ((std::array<int, 2>{editor.view.ViewX, editor.view.ViewY}), view) << pointed;
    EXPECT_EQ(window.canvasFocused, helpShown ? 0 : 1) << pointed;
  }
  MiniLevelMouseUp(editor, kLeftButton, 150, 150);
  EXPECT_EQ(editor.input.MiniMouseButton, 0);
  EXPECT_EQ(window.minimapPointer, 0);
}

}  // namespace
}  // namespace brolt::editor
