#include "editor/model/window/main_window_timer.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/support/input_window.h"

namespace brolt::editor {
namespace {

struct TimerFixture : ::testing::Test, testing::InputEditor {
  TimerFixture() {
    editor.prefs.GridDark = "10,20,30";
    editor.prefs.GridLight = "40,50,60";
    editor.prefs.BorderColor = "70,80,90";
  }
  // The marker's colour at each of `steps` colour steps (every sixth tick).
  std::vector<std::int32_t> ColourSteps(int steps) {
    std::vector<std::int32_t> colours;
    for (int tick = 1; tick <= 6 * steps; ++tick) {
      TimerTick(editor);
      if (tick % 6 == 0) colours.push_back(editor.preview.PlayerMarkerColour);
    }
    return colours;
  }
};

TEST_F(TimerFixture, TheMarkerPulsesOnTheFirstThresherByColumnThenRowAndLeavesWithIt) {
  editor.level.Cell(7, 0).TileCode = kThresherTile;
  editor.level.Cell(5, 9).TileCode = kThresherTile;
  editor.level.Cell(5, 3).TileCode = kThresherTile;
  const std::int32_t grey = 0x323232, dark = 0x1E140A, light = 0x3C3228, border = 0x5A5046, white = 0xFFFFFF;
  EXPECT_EQ(ColourSteps(12),
            (std::vector<std::int32_t>{0, grey, dark, light, border, white, border, light, dark, grey, 0, grey}));
  const CellBox& marker = editor.preview.PlayerMarker;
  EXPECT_TRUE(marker.Visible);
  EXPECT_EQ((std::array<int, 2>{marker.Left, marker.Top}), (std::array{5, 3}));
  EXPECT_EQ(editor.view.MiniLevel[5][3], grey);  // the minimap's dot takes the same colour

  editor.level = {};
  editor.view.MiniLevel[5][3] = 0;
  ColourSteps(2);
  EXPECT_FALSE(marker.Visible);
  EXPECT_EQ(editor.view.MiniLevel[5][3], 0);
}

// The bars start at (5, 10) and both end at 10; nothing is served while the level list is open.
TEST_F(TimerFixture, HeldArrowsScrollOneCellATickWithinTheBarsUnlessTheLevelListIsOpen) {
  struct Case {
    bool left, right, up, down, listOpen;
    int x, y;
  };
  for (const Case& c : {Case{true, false, false, false, false, 4, 10}, Case{false, true, false, true, false, 6, 10},
                        Case{true, true, true, false, false, 5, 9}, Case{false, true, true, false, true, 5, 10}}) {
    editor.view.ScrX = {5, 10, 1};
    editor.view.ScrY = {10, 10, 1};
    editor.view.ViewX = 5;
    std::tie(editor.input.ScrollLeftHeld, editor.input.ScrollRightHeld, editor.input.ScrollUpHeld,
             editor.input.ScrollDownHeld, window.listOpen) = std::tie(c.left, c.right, c.up, c.down, c.listOpen);
    TimerTick(editor);
    EXPECT_EQ((std::array<int, 3>{editor.view.ScrX.Value, editor.view.ScrY.Value, editor.view.ViewX}),
              (std::array{c.x, c.y, c.x}));
  }
  editor.level.Cell(1, 1).TileCode = kThresherTile;  // the list is still open
  ColourSteps(2);
  EXPECT_FALSE(editor.preview.PlayerMarker.Visible);
}

}  // namespace
}  // namespace brolt::editor
