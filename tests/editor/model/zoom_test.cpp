#include "editor/model/zoom.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "editor/support/recording_window.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

struct ZoomFixture : ::testing::Test, testing::RecordingEditor {
  ZoomFixture() {
    editor.ui.dialogs = &dialogs;
    editor.view.ViewportWidth = 600;
    editor.view.ViewportHeight = 400;
  }
  testing::ScriptedDialogs dialogs;
};

TEST_F(ZoomFixture, AZoomOutsideOneToAHundredChangesNothing) {
  editor.clipboard.PasteMode = true;
  editor.level.Cell(2, 2).Selected = true;
  for (const int zoom : {0, 101, -5, 32767}) {
    SetZoom(editor, zoom);
    EXPECT_FLOAT_EQ(editor.view.TileSize, 20) << zoom;
  }
  EXPECT_EQ(editor.view.LevelExtent, 1000);
  EXPECT_EQ(editor.prefs.ZoomPreference, 20);
  EXPECT_TRUE(editor.clipboard.PasteMode);
  EXPECT_TRUE(editor.level.Cell(2, 2).Selected);
  EXPECT_EQ(canvas.Calls(), 0);
  EXPECT_TRUE(window.zoomText.empty());
}

struct ZoomCase {
  int zoom;
  int extent;
  int menuItem;
};

TEST_F(ZoomFixture, SetsTheExtentTheLabelAndTheMatchingMenuItem) {
  for (const ZoomCase& c : {ZoomCase{20, 1000, 2}, ZoomCase{1, 50, -1}, ZoomCase{10, 500, 0}, ZoomCase{45, 2250, 7},
                            ZoomCase{50, 2500, -1}, ZoomCase{100, 5000, -1}}) {
    SetZoom(editor, c.zoom);
    EXPECT_FLOAT_EQ(editor.view.TileSize, static_cast<float>(c.zoom));
    EXPECT_EQ(editor.view.LevelExtent, c.extent) << c.zoom;
    EXPECT_EQ(window.zoomText, std::to_string(c.zoom));
    EXPECT_EQ(window.zoomItem, c.menuItem) << c.zoom;
    EXPECT_EQ(editor.prefs.ZoomPreference, c.zoom);
    EXPECT_FALSE(editor.view.ViewChanging);
  }
}

TEST_F(ZoomFixture, LeavesPasteModeClearsTheSelectionAndKeepsTheOriginCell) {
  editor.clipboard.PasteMode = true;
  editor.level.Cell(2, 2).Selected = true;
  editor.preview.Marker(2, 2) = true;
  editor.view.ScrX.Max = 21;
  editor.view.ViewX = 5;
  editor.view.ViewY = 3;
  SetZoom(editor, 40);
  EXPECT_FALSE(editor.clipboard.PasteMode);
  EXPECT_FALSE(editor.level.Cell(2, 2).Selected);
  EXPECT_FALSE(editor.preview.Marker(2, 2));
  EXPECT_EQ(editor.view.ViewX, 5);
  EXPECT_EQ(editor.view.ViewY, 3);
  EXPECT_EQ(canvas.levelRedraws, 1);
  // The hourglass covers the window while the view is rebuilt.
  EXPECT_EQ(window.pointers, (std::vector<int>{0, 11, 0}));  // leaving paste mode puts the default pointer back first
}

// A canvas that fails to repaint at one zoom, or at every zoom.
class FailingCanvas : public testing::RecordingCanvas {
 public:
  explicit FailingCanvas(float failingZoom, const ViewState& view) : failingZoom_(failingZoom), view_(view) {}
  void RedrawLevel() override {
    ++levelRedraws;
    if (failingZoom_ == 0 || view_.TileSize == failingZoom_) throw std::runtime_error("Out of memory");
  }

 private:
  float failingZoom_;
  const ViewState& view_;
};

TEST_F(ZoomFixture, AFailedZoomReturnsOnceToTheOldZoomAndIsReported) {
  FailingCanvas failing(50, editor.view);
  editor.ui.canvas = &failing;
  SetZoom(editor, 50);
  EXPECT_FLOAT_EQ(editor.view.TileSize, 20);
  EXPECT_EQ(editor.view.LevelExtent, 1000);
  EXPECT_EQ(editor.prefs.ZoomPreference, 20);
  EXPECT_EQ(window.zoomText, "20");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text.rfind("ERROR:  Out of memory. ", 0), 0u) << dialogs.messages[0].text;
  EXPECT_EQ(dialogs.messages[0].buttons, ButtonSet::OK);
}

TEST_F(ZoomFixture, AZoomThatFailsEveryTimeIsReportedOnceWithoutRecursing) {
  FailingCanvas failing(0, editor.view);
  editor.ui.canvas = &failing;
  SetZoom(editor, 30);
  EXPECT_EQ(failing.levelRedraws, 2);
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_FLOAT_EQ(editor.view.TileSize, 20);
  EXPECT_FALSE(editor.view.ViewChanging);
}

}  // namespace
}  // namespace brolt::editor
