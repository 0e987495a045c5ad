#include "editor/model/state_checks.h"

#include <gtest/gtest.h>

#include "editor/support/collection_fixture.h"

namespace brolt::editor {
namespace {

using StateChecks = testing::CollectionFixture;

TEST_F(StateChecks, ThresherAndPortalAreBothNeeded) {
  EXPECT_TRUE(IsMapEmpty(editor));
  editor.level.Cell(3, 3).TileCode = 9;
  EXPECT_FALSE(IsMapEmpty(editor));
  EXPECT_FALSE(HasThresherAndPortal(editor));
  editor.level.Map[50][0].TileCode = 1;  // outside the level
  EXPECT_FALSE(HasThresherAndPortal(editor));
  editor.level.Cell(49, 49).TileCode = 1;
  EXPECT_TRUE(HasThresherAndPortal(editor));
}

TEST_F(StateChecks, ConfirmSaveChangesAsksOnlyForAnUnsavedMapWithTiles) {
  editor.level.LevelSaved = false;
  EXPECT_EQ(ConfirmSaveChanges(editor, "Save?", ButtonSet::YesNoCancel), 0);
  editor.level.Cell(0, 0).TileCode = 4;
  editor.level.LevelSaved = true;
  EXPECT_EQ(ConfirmSaveChanges(editor, "Save?", ButtonSet::YesNoCancel), 0);
  EXPECT_TRUE(dialogs.messages.empty());
  editor.level.LevelSaved = false;
  dialogs.buttonAnswers = {2};
  EXPECT_EQ(ConfirmSaveChanges(editor, "Save?", ButtonSet::YesNoCancel), 2);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].helpKey, "");
}

TEST_F(StateChecks, LevelTitles) {
  struct Case {
    std::string title;
    bool refuseUntitled;
    bool valid;
  };
  for (const Case& c : {Case{"Untitled", true, false}, Case{"untitled", true, false}, Case{"Untitled", false, true},
                        Case{"   ", false, false}, Case{"", false, false}, Case{" x ", true, true}}) {
    dialogs.messages.clear();
    EXPECT_EQ(ValidateLevelTitle(editor, c.title, c.refuseUntitled), c.valid) << "'" << c.title << "'";
    EXPECT_EQ(dialogs.LastMessage(), c.valid ? "" : "Invalid level title.");
  }
}

TEST_F(StateChecks, CountingNeverCreatesAMissingCollection) {
  EXPECT_EQ(CountCollectionLevels(editor, "missing.lvl"), 0);
  EXPECT_FALSE(std::filesystem::exists(Levels("missing.lvl")));
  WriteCollection(Levels("gap.lvl"), {"", LevelTitled("second")});
  EXPECT_EQ(CountCollectionLevels(editor, "gap.lvl"), 0);
  WriteLevels("five.lvl", {"a", "b", "c", "d", "e"});
  EXPECT_EQ(CountCollectionLevels(editor, "five.lvl"), 5);
  WriteCollection(Levels("full.lvl"), std::vector<std::string>(1000, "x"));
  EXPECT_EQ(CountCollectionLevels(editor, "full.lvl"), 999);
}

}  // namespace
}  // namespace brolt::editor
