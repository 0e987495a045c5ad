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

TEST_F(ZoomFixture, SetsTheExtentTheLabelAndTheMatchingMenuItem) {
  for (const auto& [zoom, extent, menuItem] :
       {std::array{20, 1000, 2}, std::array{1, 50, -1}, std::array{10, 500, 0}, std::array{45, 2250, 7},
        std::array{50, 2500, -1}, std::array{100, 5000, -1}}) {
    SetZoom(editor, zoom);
    EXPECT_FLOAT_EQ(editor.view.TileSize, static_cast<float>(zoom));
    EXPECT_EQ(editor.view.LevelExtent, extent) << zoom;
    EXPECT_EQ(window.zoomText, std::to_string(zoom));
    EXPECT_EQ(window.zoomItem, menuItem) << zoom;
    EXPECT_EQ(editor.prefs.ZoomPreference, zoom);
    EXPECT_FALSE(editor.view.ViewChanging);
  }
}

TEST_F(ZoomFixture, AZoomOutsideOneToAHundredChangesNothingAndOneInsideLeavesPasteModeAndTheSelection) {
  editor.clipboard.PasteMode = true;
  editor.level.Cell(2, 2).Selected = true;
  editor.preview.Marker(2, 2) = true;
  editor.view.ScrX.Max = 21;
  editor.view.ViewX = 5;
  editor.view.ViewY = 3;
  for (const int zoom : {0, 101, -5, 32767}) SetZoom(editor, zoom);
  EXPECT_FLOAT_EQ(editor.view.TileSize, 20);
  EXPECT_EQ(editor.view.LevelExtent, 1000);
  EXPECT_EQ(editor.prefs.ZoomPreference, 20);
  EXPECT_TRUE(editor.clipboard.PasteMode);
  EXPECT_TRUE(editor.level.Cell(2, 2).Selected);
  EXPECT_EQ(canvas.Calls(), 0);
  EXPECT_TRUE(window.zoomText.empty());

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

// A canvas that fails to repaint at one zoom, or at every zoom when that zoom is 0.
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

TEST_F(ZoomFixture, AFailedZoomReturnsOnceToTheOldZoomAndIsReportedOnce) {
  for (const float failingZoom : {50.0F, 0.0F}) {
    FailingCanvas failing(failingZoom, editor.view);
    editor.ui.canvas = &failing;
    dialogs.messages.clear();
    SetZoom(editor, 50);
    EXPECT_EQ(failing.levelRedraws, 2) << failingZoom;
    EXPECT_FLOAT_EQ(editor.view.TileSize, 20) << failingZoom;
    EXPECT_EQ(editor.view.LevelExtent, 1000) << failingZoom;
    EXPECT_EQ(editor.prefs.ZoomPreference, 20) << failingZoom;
    EXPECT_EQ(window.zoomText, "20") << failingZoom;
    EXPECT_FALSE(editor.view.ViewChanging) << failingZoom;
    ASSERT_EQ(dialogs.messages.size(), 1u) << failingZoom;
    EXPECT_EQ(dialogs.messages[0].text.rfind("ERROR:  Out of memory. ", 0), 0u) << dialogs.messages[0].text;
    EXPECT_EQ(dialogs.messages[0].buttons, ButtonSet::OK);
  }
}

}  // namespace
}  // namespace brolt::editor
