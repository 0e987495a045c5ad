#include "editor/model/window/main_window_layout.h"

#include <gtest/gtest.h>

#include "editor/model/canvas/start_view.h"
#include "editor/model/window/window_placement.h"

namespace brolt::editor {
namespace {

// The lefts of what stands by the window's right edge and the widths of what stretches with it.
std::array<int, 9> RightEdgeAndStretched(const MainWindowLayout& layout) {
  return {layout.MiniLevel->Left,         layout.CmdTools->Left,         layout.ToolsBack->Left,
          layout.StatusFields[1]->Left,   layout.StatusFields[3]->Left,  layout.DropDown->Left,
          layout.LevelBack->Width,        layout.StatusFields[0]->Width, layout.LevelLabelsFrame->Width};
}

TEST(LayOutMainWindow, PlacesThePanelsAsDesignedAndAWiderWindowMovesTheRightColumnAndWidensTheRest) {
  const MainWindowLayout designed = LayOutMainWindow(632, 532, 326);
  EXPECT_EQ(designed.LevelBack, (LayoutRect{4, 35, 450, 471}));
  EXPECT_EQ(designed.MiniLevel, (LayoutRect{468, 35, 156, 156}));
  EXPECT_EQ(designed.CmdTools, (LayoutRect{468, 203, 156, 111}));
  EXPECT_EQ(designed.ToolsBack, (LayoutRect{468, 326, 156, 180}));  // ends level with the canvas
  EXPECT_EQ(designed.Frames[0], (LayoutRect{2, 33, 454, 475}));       // two pixels round the canvas
  // The first layout finds the palette panel at its designed top of 320, so it comes out 6 pixels
  // taller than on later layouts, and its frame with it.
  const MainWindowLayout first = LayOutMainWindow(632, 532, 320);
  EXPECT_EQ(first.ToolsBack, (LayoutRect{468, 326, 156, 186}));
  EXPECT_EQ(first.ToolsFrameHeight, 186);
  std::array<int, 9> shifted = RightEdgeAndStretched(designed);
  EXPECT_EQ(shifted, (std::array{468, 468, 468, 396, 540, 610, 450, 628, 68}));
  for (int& pixels : shifted) pixels += 100;
  EXPECT_EQ(RightEdgeAndStretched(LayOutMainWindow(732, 532, 326)), shifted);
}

TEST(LayOutMainWindow, AWindowTooSmallLeavesOutOnlyWhatCannotBeSized) {
  const MainWindowLayout layout = LayOutMainWindow(100, 40, 326);
  EXPECT_FALSE(layout.LevelBack);
  EXPECT_FALSE(layout.Frames[0]);
  EXPECT_FALSE(layout.ToolsBack);
  EXPECT_FALSE(layout.LevelLabelsFrame);
  EXPECT_FALSE(layout.LevelTitle);
  ASSERT_TRUE(layout.MiniLevel);  // placed off the left edge, as a too narrow window shows it
  EXPECT_EQ(layout.MiniLevel->Left, -64);
  EXPECT_TRUE(layout.StatusFields[0]);
}

TEST(StartViewOrigin, CentresTheMiddleOfTheLevelInTheViewport) {
  for (const auto& [width, height, x, y] : {
           std::array{600, 600, 9, 9},
           std::array{600, 620, 9, 8},        // 31 cells down: 15.5, 8.5 rounds to even
           std::array{2000, 2000, -26, -26},  // larger than the level: ScrollTo clamps
       }) {
    const ViewOrigin origin = StartViewOrigin(width, height, 20);
    EXPECT_EQ((std::array<int, 2>{origin.x, origin.y}), (std::array{x, y})) << width << "x" << height;
  }
}

TEST(PlaceOnScreen, KeepsTheWindowOnTheAvailableScreen) {
  struct Case {
    WindowPlacement stored;
    bool centre;
    std::array<int, 5> placed;
  };
  for (const Case& c : {Case{{100, 100, 632, 532, 0}, false, {100, 100, 632, 532, 0}},
                        Case{{100, 100, 632, 532, 0}, true, {324, 149, 632, 532, 0}},
                        Case{{3000, -400, 632, 532, 2}, false, {648, 30, 632, 532, 2}},  // off to the right and above
                        Case{{-50, 0, 4000, 3000, 0}, false, {0, 30, 1280, 770, 0}}}) {
    const WindowPlacement p = PlaceOnScreen(c.stored, c.centre, ScreenArea{0, 30, 1280, 770});
    EXPECT_EQ((std::array{p.Left, p.Top, p.Width, p.Height, p.WindowState}), c.placed) << c.stored.Left;
  }
}

}  // namespace
}  // namespace brolt::editor
