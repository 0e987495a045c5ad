#include <gtest/gtest.h>

#include "editor/model/load_dialog_rules.h"
#include "editor/model/save_dialog_rules.h"
#include "editor/support/collection_fixture.h"

namespace brolt::editor {
namespace {

using CollectionDialogs = testing::CollectionFixture;

std::string BlankLevel() {
  LevelRecord level;
  level.title = "blank";
  return EncodeLevelRecord(level);
}

TEST_F(CollectionDialogs, TheLoadDialogListsLevelsWithNoneChosenAndRefusesNoChoiceAndTheTag) {
  WriteCompiled("game.lvl", {"one", "two"});
  editor.DeveloperMode = true;
  editor.prefs.LevelFile = "GAME.lvl";
  LoadDialogState state;
  ASSERT_TRUE(PrepareLoadDialog(editor, state));
  EXPECT_EQ(state.File(), "game.lvl");
  EXPECT_EQ(state.Levels, (std::vector<std::string>{"001   one", "002   two", "003   "}));
  EXPECT_EQ(state.LevelIndex, -1);
  EXPECT_FALSE(AcceptLoadDialog(editor, state));
  EXPECT_EQ(dialogs.LastMessage(), "Select a level to load.");
  state.LevelIndex = 2;
  EXPECT_FALSE(AcceptLoadDialog(editor, state));
  EXPECT_EQ(dialogs.LastMessage(), "Level 003 does not exist.");
  state.LevelIndex = 1;
  EXPECT_TRUE(AcceptLoadDialog(editor, state));

  editor.level.LevelNumber = 2;  // the level being edited is chosen when the dialog opens
  ASSERT_TRUE(PrepareLoadDialog(editor, state));
  EXPECT_EQ(state.LevelIndex, 1);
}

TEST_F(CollectionDialogs, ThePreviewDrawsMinimapColoursKeyedByFileAndSlot) {
  editor.tiles.TileDefs[1].Mini = 14;
  editor.tiles.TileDefs[9].Mini = 40;  // outside the 16 colours: clamped
  WriteLevels("a.lvl", {"same", "same"});
  WriteCollection(Levels("b.lvl"), {LevelTitled("same"), BlankLevel()});
  LoadDialogState state;
  ASSERT_TRUE(PrepareLoadDialog(editor, state));
  ShowPreview(editor, state);
  EXPECT_FALSE(state.Preview.HasData);
  state.LevelIndex = 0;
  ShowPreview(editor, state);
  EXPECT_TRUE(state.Preview.HasData);
  EXPECT_EQ(state.Preview.Colours[51], 14);
  EXPECT_EQ(state.Preview.Colours[52], 15);
  EXPECT_EQ(state.Preview.Colours[0], -1);
  state.LevelIndex = 1;  // the same title, another slot: drawn anew
  ShowPreview(editor, state);
  EXPECT_EQ(state.Preview.Slot, 2);
  state.FileIndex = 1;
  ListLoadLevels(editor, state);
  state.LevelIndex = 1;
  ShowPreview(editor, state);
  EXPECT_TRUE(state.Preview.HasData);  // an empty map is still a level
  EXPECT_EQ(state.Preview.Colours[51], -1);
}

TEST_F(CollectionDialogs, TheSaveDialogOffersTheSlotAfterTheLastLevelAndAsksBeforeOverwriting) {
  WriteLevels("a.lvl", {"one", "two"});
  editor.level.LevelTitle = "Mine";
  SaveDialogState state;
  ASSERT_TRUE(PrepareSaveDialog(editor, state));
  EXPECT_EQ(state.Slots, (std::vector<std::string>{"001   one", "002   two", "003   "}));
  EXPECT_EQ(state.SlotIndex, 2);
  EXPECT_EQ(state.Title, "Mine");
  EXPECT_TRUE(AcceptSaveDialog(editor, state));
  EXPECT_TRUE(dialogs.messages.empty());

  ChooseSaveSlot(editor, state, 1);
  EXPECT_EQ(state.Title, "two");
  dialogs.buttonAnswers = {2};
  EXPECT_FALSE(AcceptSaveDialog(editor, state));
  EXPECT_EQ(dialogs.LastMessage(), "Overwrite 'two'?");
  EXPECT_TRUE(AcceptSaveDialog(editor, state));

  state.Title = "  ";
  EXPECT_FALSE(AcceptSaveDialog(editor, state));
  EXPECT_EQ(dialogs.LastMessage(), "Invalid level title.");
  state.Title = "ok";
  state.SlotIndex = -1;
  EXPECT_FALSE(AcceptSaveDialog(editor, state));
  EXPECT_EQ(dialogs.LastMessage(), "Cannot save. Check that a level slot is selected.");
}

TEST_F(CollectionDialogs, TheSaveDialogOffersNoFreeSlotInAFullOrACompiledCollection) {
  WriteCollection(Levels("full.lvl"), std::vector<std::string>(999, LevelTitled("x")));
  WriteCollection(Levels("almost.lvl"), std::vector<std::string>(998, LevelTitled("x")));
  WriteCompiled("game.lvl", {"one"});
  editor.DeveloperMode = true;
  struct Case {
    std::string file;
    std::size_t entries;
    int freeSlot;
  };
  for (const Case& c : {Case{"full.lvl", 999, 0}, Case{"almost.lvl", 999, 999}, Case{"game.lvl", 2, 0}}) {
    editor.prefs.LevelFile = c.file;
    SaveDialogState state;
    ASSERT_TRUE(PrepareSaveDialog(editor, state));
    EXPECT_EQ(state.Slots.size(), c.entries) << c.file;
    EXPECT_EQ(state.FreeSlot, c.freeSlot) << c.file;
  }
  SaveDialogState state;
  editor.prefs.LevelFile = "game.lvl";
  PrepareSaveDialog(editor, state);
  state.SlotIndex = 1;  // the tag record is taken, never a level slot
  EXPECT_FALSE(AcceptSaveDialog(editor, state));
  EXPECT_EQ(dialogs.LastMessage(), "Cannot save. Check that a level slot is selected.");
}

TEST_F(CollectionDialogs, AfterLevelManagementTheSameCollectionIsChosenInAnyCase) {
  WriteLevels("a.lvl", {"one"});
  WriteLevels("B.lvl", {"one", "two"});
  SaveDialogState state;
  ASSERT_TRUE(PrepareSaveDialog(editor, state));
  ReselectAfterManagement(editor, state, "b.LVL", 1);
  EXPECT_EQ(state.File(), "B.lvl");
  EXPECT_EQ(state.SlotIndex, 1);
  ReselectAfterManagement(editor, state, "gone.lvl", 1);
  EXPECT_EQ(state.File(), "a.lvl");

  // A collection made in management is there to choose, and the title typed for the new level
  // stays.
  WriteLevels("c.lvl", {});
  state.Title = "Typed";
  ReselectAfterManagement(editor, state, "a.lvl", 1);
  EXPECT_EQ(state.Files, (std::vector<std::string>{"a.lvl", "B.lvl", "c.lvl"}));
  EXPECT_EQ(state.SlotIndex, 1);
  EXPECT_EQ(state.Title, "Typed");
}

}  // namespace
}  // namespace brolt::editor
