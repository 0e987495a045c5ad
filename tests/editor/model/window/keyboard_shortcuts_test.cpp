#include "editor/model/window/keyboard_shortcuts.h"

#include <gtest/gtest.h>

#include "editor/support/input_window.h"
#include "editor/support/levels_folder_editor.h"

namespace brolt::editor {
namespace {

struct KeyboardFixture : ::testing::Test, testing::LevelsFolderEditor {
  KeyboardFixture() {
    editor.ui.window = &window;
    editor.ui.canvas = &canvas;
    editor.view.ViewportWidth = 600;
    editor.view.ViewportHeight = 400;
    editor.tiles.TileDefs[45].Rotate = true;
  }
  void Press(int code) {
    KeyDown(editor, code);
    KeyUp(editor, code);
  }
  testing::InputWindow window;
  testing::RecordingCanvas canvas;
};

TEST_F(KeyboardFixture, DigitsChooseToolsPlusAndMinusZoomByFiveWithinOneToAHundredAndTurningKeysSpareTheSelector) {
  // The key, and the tool afterwards: the start tool is the brush (1).
  const std::pair<int, int> toolKeys[] = {{49, 0}, {55, 6}, {51, 2}, {56, 1}, {48, 1}, {key::kOther, 1}};
  for (const auto& [code, tool] : toolKeys) {
    editor.tools.CurrentTool = kBrushTool;
    Press(code);
    EXPECT_EQ(editor.tools.CurrentTool, tool) << code;
  }
  const std::tuple<int, float, float> zoomKeys[] = {
      {key::kEquals, 20, 25}, {key::kMinus, 20, 15}, {key::kEquals, 100, 100}, {key::kMinus, 5, 5}, {key::kMinus, 12.5F, 8}};
  for (const auto& [code, from, to] : zoomKeys) {
    editor.view.TileSize = from;
    KeyDown(editor, code);
    EXPECT_FLOAT_EQ(editor.view.TileSize, to) << code << " at " << from;
  }
  editor.tools.PrimaryTile = 45;  // a tile that turns; the turning keys act only beside the selector
  for (const auto& [tool, direction] : {std::pair{kSelectorTool, 1}, std::pair{kBrushTool, 2}}) {
    editor.tools.CurrentTool = tool;
    editor.tools.PrimaryDirection = 1;
    KeyDown(editor, key::kPeriod);
    EXPECT_EQ(editor.tools.PrimaryDirection, direction) << tool;
  }
}

TEST_F(KeyboardFixture, SpaceHeldGivesEraseModeUntilReallyReleasedAndArrowsUntilTheirOwnRelease) {
  KeyDown(editor, key::kLetterS);  // the real window's texts are the start-up test's
  KeyDown(editor, key::kSpace);
  KeyDown(editor, key::kSpace);  // the platform's repeat
  EXPECT_EQ(editor.input.HeldKey, kSpaceKey);
  EXPECT_EQ(window.status[0].text, "YOU ARE IN ERASE MODE...");
  EXPECT_TRUE(window.status[0].bold);
  KeyDown(editor, key::kLeft);
  KeyDown(editor, key::kDown);
  KeyUp(editor, key::kLeft);
  EXPECT_FALSE(editor.input.ScrollLeftHeld);
  EXPECT_TRUE(editor.input.ScrollDownHeld);
  EXPECT_EQ(editor.input.HeldKey, kSpaceKey) << "an arrow's release leaves the held key";
  KeyUp(editor, key::kSpace);
  EXPECT_EQ(editor.input.HeldKey, 0);

  editor.clipboard.PasteMode = true;
  KeyDown(editor, key::kSpace);
  EXPECT_EQ(editor.input.HeldKey, -1);
}

TEST_F(KeyboardFixture, WithTheLevelListOpenOnlyEnterAndEscapeAct) {
  window.listOpen = true;
  for (const int code : {49, key::kSpace, key::kLeft, key::kEquals, key::kBacktick}) KeyDown(editor, code);
  EXPECT_EQ(editor.tools.CurrentTool, kBrushTool);
  EXPECT_EQ(editor.input.HeldKey, 0);
  EXPECT_FALSE(editor.input.ScrollLeftHeld);
  EXPECT_FLOAT_EQ(editor.view.TileSize, 20);
  EXPECT_EQ(window.dropDowns, 0);
  KeyDown(editor, key::kEnter);  // opens the chosen level: here there is no collection to open from
  EXPECT_EQ(dialogs.messages.size(), 1U);
  KeyDown(editor, key::kEscape);
  EXPECT_FALSE(window.listOpen);
}

TEST_F(KeyboardFixture, PageDownFromANewLevelStepsThroughTheCollectionAndAtEitherEndOnlyShowsTheList) {
  WriteLevels("Set.lvl", {"A", "B", "C"});
  editor.prefs.LevelFile = "Set.lvl";
  for (const char* title : {"A", "B", "C", "C"}) {
    Press(key::kPageDown);
    EXPECT_EQ(editor.level.LevelTitle, title);
    EXPECT_FALSE(window.listOpen) << "the list closes with the level open";
  }
  for (const char* title : {"B", "A", "A"}) {
    Press(key::kPageUp);
    EXPECT_EQ(editor.level.LevelTitle, title);
  }
  EXPECT_EQ(window.dropDowns, 5 * 2 + 2) << "a step shows the list on both levels, an end on its own";
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.LastMessage();
}

}  // namespace
}  // namespace brolt::editor
