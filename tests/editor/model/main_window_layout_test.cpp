#include "editor/model/main_window_layout.h"

#include <gtest/gtest.h>

#include "editor/model/start_view.h"
#include "editor/model/window_placement.h"

namespace brolt::editor {
namespace {

struct LayoutCase {
  const char* name;
  int width, height, toolsBackTop;
  LayoutRect levelBack, miniLevel, cmdTools, toolsBack;
  int status1Left, status0Width, labelsFrameWidth, dropDownLeft;
};

TEST(LayOutMainWindow, PlacesThePanelsForTheWindowSize) {
  const LayoutCase cases[] = {
      // The designed client area, first layout: the palette panel's old top is the designed 320,
      // so it comes out 6 pixels taller than on later layouts.
      {"first", 632, 532, 320, {4, 35, 450, 471}, {468, 35, 156, 156}, {468, 203, 156, 111}, {468, 326, 156, 186},
       396, 628, 68, 610},
      // Later layouts: the palette panel ends level with the canvas viewport, at H - 26.
      {"settled", 632, 532, 326, {4, 35, 450, 471}, {468, 35, 156, 156}, {468, 203, 156, 111}, {468, 326, 156, 180},
       396, 628, 68, 610},
      // 100 pixels wider: the right column moves, the viewport and the stretched fields widen.
      {"wider", 732, 532, 326, {4, 35, 550, 471}, {568, 35, 156, 156}, {568, 203, 156, 111}, {568, 326, 156, 180},
       496, 728, 168, 710},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    const MainWindowLayout layout = LayOutMainWindow(c.width, c.height, c.toolsBackTop);
    EXPECT_EQ(layout.LevelBack, c.levelBack);
    EXPECT_EQ(layout.MiniLevel, c.miniLevel);
    EXPECT_EQ(layout.CmdTools, c.cmdTools);
    EXPECT_EQ(layout.ToolsBack, c.toolsBack);
    EXPECT_EQ(layout.ToolsFrameHeight, c.toolsBack.Height);
    EXPECT_EQ(layout.Frames[0], (LayoutRect{c.levelBack.Left - 2, c.levelBack.Top - 2, c.levelBack.Width + 4,
                                            c.levelBack.Height + 4}));
    EXPECT_EQ(layout.StatusFields[1]->Left, c.status1Left);
    EXPECT_EQ(layout.StatusFields[3]->Left, c.width - 92);
    EXPECT_EQ(layout.StatusFields[0]->Width, c.status0Width);
    EXPECT_EQ(layout.LevelLabelsFrame->Width, c.labelsFrameWidth);
    EXPECT_EQ(layout.DropDown->Left, c.dropDownLeft);
  }
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
           std::array{600, 700, 9, 6},        // 35 cells down: 17.5, 6.5 rounds to even
           std::array{2000, 2000, -26, -26},  // larger than the level: ScrollTo clamps
           std::array{0, 0, 24, 24},
       }) {
    const ViewOrigin origin = StartViewOrigin(width, height, 20);
    EXPECT_EQ((std::array<int, 2>{origin.x, origin.y}), (std::array{x, y})) << width << "x" << height;
  }
}

TEST(PlaceOnScreen, KeepsTheWindowOnTheAvailableScreen) {
  struct Case {
    const char* name;
    WindowPlacement stored;
    bool centre;
    std::array<int, 5> placed;
  };
  const Case cases[] = {
      {"fits", {100, 100, 632, 532, 0}, false, {100, 100, 632, 532, 0}},
      {"centred", {100, 100, 632, 532, 0}, true, {324, 149, 632, 532, 0}},
      {"off to the right and above", {3000, -400, 632, 532, 2}, false, {648, 30, 632, 532, 2}},
      {"larger than the screen", {-50, 0, 4000, 3000, 0}, false, {0, 30, 1280, 770, 0}},
  };
  for (const Case& c : cases) {
    const WindowPlacement p = PlaceOnScreen(c.stored, c.centre, ScreenArea{0, 30, 1280, 770});
    EXPECT_EQ((std::array{p.Left, p.Top, p.Width, p.Height, p.WindowState}), c.placed) << c.name;
  }
}

}  // namespace
}  // namespace brolt::editor
