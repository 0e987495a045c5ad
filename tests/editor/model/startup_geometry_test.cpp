#include <gtest/gtest.h>

#include "editor/model/start_view.h"
#include "editor/model/window_placement.h"

namespace brolt::editor {
namespace {

TEST(StartViewOrigin, CentresTheMiddleOfTheLevelInTheViewport) {
  struct Case {
    int width, height;
    float tileSize;
    int x, y;
  };
  const Case cases[] = {
      {600, 600, 20, 9, 9},       {600, 620, 20, 9, 8},  // 31 cells down: 15.5, 8.5 rounds to even
      {600, 700, 20, 9, 6},                              // 35 cells down: 17.5, 6.5 rounds to even
      {2000, 2000, 20, -26, -26},                        // larger than the level: ScrollTo clamps
      {0, 0, 20, 24, 24},
  };
  for (const Case& c : cases) {
    const ViewOrigin origin = StartViewOrigin(c.width, c.height, c.tileSize);
    EXPECT_EQ(origin.x, c.x) << c.width << "x" << c.height;
    EXPECT_EQ(origin.y, c.y) << c.width << "x" << c.height;
  }
}

TEST(PlaceOnScreen, KeepsTheWindowOnTheAvailableScreen) {
  const ScreenArea screen{0, 30, 1280, 770};
  struct Case {
    const char* name;
    WindowPlacement stored;
    bool centre;
    WindowPlacement placed;
  };
  const Case cases[] = {
      {"fits", {100, 100, 632, 532, 0}, false, {100, 100, 632, 532, 0}},
      {"centred", {100, 100, 632, 532, 0}, true, {324, 149, 632, 532, 0}},
      {"off to the right and above", {3000, -400, 632, 532, 2}, false, {648, 30, 632, 532, 2}},
      {"larger than the screen", {-50, 0, 4000, 3000, 0}, false, {0, 30, 1280, 770, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WindowPlacement placed = PlaceOnScreen(c.stored, c.centre, screen);
    EXPECT_EQ(placed.Left, c.placed.Left);
    EXPECT_EQ(placed.Top, c.placed.Top);
    EXPECT_EQ(placed.Width, c.placed.Width);
    EXPECT_EQ(placed.Height, c.placed.Height);
    EXPECT_EQ(placed.WindowState, c.placed.WindowState);
  }
}

}  // namespace
}  // namespace brolt::editor
