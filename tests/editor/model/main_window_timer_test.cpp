#include "editor/model/main_window_timer.h"

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

TEST_F(TimerFixture, HeldArrowsScrollOneCellATickWithinTheBars) {
  struct Case {
    bool left, right, up, down;
    std::int16_t x, y;  // the bars' values after one tick from (5, 10); both bars end at 10
  };
  for (const Case& c : {Case{true, false, false, false, 4, 10}, Case{false, true, false, true, 6, 10},
                        Case{true, true, true, false, 5, 9}}) {
    editor.view.ScrX = {5, 10, 1};
    editor.view.ScrY = {10, 10, 1};
    editor.input.ScrollLeftHeld = c.left;
    editor.input.ScrollRightHeld = c.right;
    editor.input.ScrollUpHeld = c.up;
    editor.input.ScrollDownHeld = c.down;
    TimerTick(editor);
    EXPECT_EQ((std::array<int, 3>{editor.view.ScrX.Value, editor.view.ScrY.Value, editor.view.ViewX}),
              (std::array<int, 3>{c.x, c.y, c.x}));
  }
}

TEST_F(TimerFixture, NothingIsServedWhileTheLevelListIsOpen) {
  editor.level.Cell(1, 1).TileCode = kThresherTile;
  editor.input.ScrollRightHeld = true;
  editor.view.ScrX = {0, 10, 1};
  window.listOpen = true;
  ColourSteps(2);
  EXPECT_FALSE(editor.preview.PlayerMarker.Visible);
  EXPECT_EQ(editor.view.ScrX.Value, 0);
}

}  // namespace
}  // namespace brolt::editor
