#include "editor/model/keyboard_shortcuts.h"

#include <gtest/gtest.h>

#include "editor/support/input_window.h"
#include "editor/support/levels_folder_editor.h"

namespace brolt::editor {
namespace {

struct KeyboardFixture : ::testing::Test, testing::InputEditor {
  KeyboardFixture() {
    editor.view.ViewportWidth = 600;
    editor.view.ViewportHeight = 400;
    editor.tiles.TileDefs[45].Rotate = true;
  }
};

struct ToolKey {
  int key;
  int tool;  // the current tool afterwards; the start tool is the brush (1)
};

TEST_F(KeyboardFixture, TheDigitKeysOneToSevenChooseTheTools) {
  for (const ToolKey& c : {ToolKey{49, 0}, ToolKey{55, 6}, ToolKey{51, 2}, ToolKey{56, 1}, ToolKey{48, 1},
                           ToolKey{key::kOther, 1}}) {
    editor.tools.CurrentTool = kBrushTool;
    KeyDown(editor, c.key);
    KeyUp(editor, c.key);
    EXPECT_EQ(editor.tools.CurrentTool, c.tool) << c.key;
  }
}

struct ZoomKey {
  int key;
  float from;
  float to;
};

TEST_F(KeyboardFixture, PlusAndMinusZoomByFiveWithinOneToAHundred) {
  for (const ZoomKey& c : {ZoomKey{key::kEquals, 20, 25}, ZoomKey{key::kMinus, 20, 15}, ZoomKey{key::kEquals, 100, 100},
                           ZoomKey{key::kMinus, 5, 5}, ZoomKey{key::kMinus, 12.5F, 8}}) {
    editor.view.TileSize = c.from;
    KeyDown(editor, c.key);
    EXPECT_FLOAT_EQ(editor.view.TileSize, c.to) << c.key << " at " << c.from;
  }
}

TEST_F(KeyboardFixture, SpaceHeldGivesEraseModeUntilReallyReleased) {
  KeyDown(editor, key::kLetterS);
  EXPECT_EQ(window.status[0].text, "YOU ARE IN SPUNGE MODE...");
  KeyDown(editor, key::kSpace);
  KeyDown(editor, key::kSpace);  // the platform's repeat
  EXPECT_EQ(editor.input.HeldKey, kSpaceKey);
  EXPECT_EQ(window.status[0].text, "YOU ARE IN ERASE MODE...");
  EXPECT_TRUE(window.status[0].bold);
  KeyDown(editor, key::kLeft);
  KeyUp(editor, key::kLeft);  // an arrow's release leaves the held key
  EXPECT_EQ(editor.input.HeldKey, kSpaceKey);
  const int updates = window.statusUpdates;
  KeyUp(editor, key::kSpace);
  EXPECT_EQ(editor.input.HeldKey, 0);
  EXPECT_EQ(window.statusUpdates, updates + 1);

  editor.clipboard.PasteMode = true;
  KeyDown(editor, key::kSpace);
  EXPECT_EQ(editor.input.HeldKey, -1);
}

TEST_F(KeyboardFixture, ArrowsAreHeldUntilTheirOwnRelease) {
  KeyDown(editor, key::kLeft);
  KeyDown(editor, key::kDown);
  KeyUp(editor, key::kLeft);
  EXPECT_FALSE(editor.input.ScrollLeftHeld);
  EXPECT_TRUE(editor.input.ScrollDownHeld);
  EXPECT_EQ(editor.input.HeldKey, 0);
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

TEST_F(KeyboardFixture, TheTileTurningKeysActOnlyBesideTheSelector) {
  editor.tools.PrimaryTile = 45;
  editor.tools.PrimaryDirection = 1;
  editor.tools.CurrentTool = kSelectorTool;
  KeyDown(editor, key::kPeriod);
  EXPECT_EQ(editor.tools.PrimaryDirection, 1);
  editor.tools.CurrentTool = kBrushTool;
  KeyDown(editor, key::kPeriod);
  EXPECT_EQ(editor.tools.PrimaryDirection, 2);
}

TEST_F(KeyboardFixture, PageUpOnTheFirstLevelOnlyShowsTheList) {
  editor.collections.DropDownEntries = {"001   One", "002   Two"};
  editor.collections.DropDownIndex = 0;
  editor.level.LevelNumber = 1;
  KeyDown(editor, key::kPageUp);  // no collection file: the list refills empty and stays at its end
  EXPECT_EQ(window.dropDowns, 1);
  EXPECT_EQ(window.canvasFocus, 1);
  EXPECT_TRUE(dialogs.messages.empty());
}

struct CollectionKeyboard : ::testing::Test, testing::LevelsFolderEditor {
  CollectionKeyboard() {
    editor.ui.window = &window;
    editor.ui.canvas = &canvas;
    WriteLevels("Set.lvl", {"A", "B", "C"});
    editor.prefs.LevelFile = "Set.lvl";
  }
  testing::InputWindow window;
  testing::RecordingCanvas canvas;
};

TEST_F(CollectionKeyboard, PageDownFromANewLevelStepsThroughTheCollectionFromItsFirstLevel) {
  for (const char* title : {"A", "B", "C"}) {
    KeyDown(editor, key::kPageDown);
    KeyUp(editor, key::kPageDown);
    EXPECT_EQ(editor.level.LevelTitle, title);
    EXPECT_FALSE(window.listOpen) << "the list closes with the level open";
  }
  KeyDown(editor, key::kPageUp);
  EXPECT_EQ(editor.level.LevelTitle, "B");
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.LastMessage();
}

}  // namespace
}  // namespace brolt::editor
