#include "editor/model/commands/state_checks.h"

#include <gtest/gtest.h>

#include "editor/support/collection_fixture.h"

namespace brolt::editor {
namespace {

// Which titles are accepted is checked through the commands that ask for one: the save dialog and
// renaming in level management.
using StateChecks = testing::CollectionFixture;

TEST_F(StateChecks, OnlyCellsInsideTheLevelCountAndASaveNeedsThresherAndPortal) {
  editor.level.Map[50][0].TileCode = 1;  // a Thresher outside the level
  EXPECT_TRUE(IsMapEmpty(editor));
  editor.level.Cell(3, 3).TileCode = 9;
  EXPECT_FALSE(IsMapEmpty(editor));
  EXPECT_FALSE(HasThresherAndPortal(editor));
  editor.level.Cell(49, 49).TileCode = 1;
  EXPECT_TRUE(HasThresherAndPortal(editor));
}

// Its one caller, closing the level for level management, has already let a saved map go.
TEST_F(StateChecks, ConfirmSaveChangesAsksOnlyForAnUnsavedMapWithTiles) {
  editor.level.LevelSaved = false;
  EXPECT_EQ(ConfirmSaveChanges(editor, "Save?", ButtonSet::YesNoCancel), 0);  // an empty map
  editor.level.Cell(0, 0).TileCode = 4;
  editor.level.LevelSaved = true;
  EXPECT_EQ(ConfirmSaveChanges(editor, "Save?", ButtonSet::YesNoCancel), 0);
  EXPECT_TRUE(dialogs.messages.empty());
  editor.level.LevelSaved = false;
  dialogs.buttonAnswers = {2};
  EXPECT_EQ(ConfirmSaveChanges(editor, "Save?", ButtonSet::YesNoCancel), 2);
}

TEST_F(StateChecks, CountingStopsAt999AndNeverCreatesAMissingCollection) {
  EXPECT_EQ(CountCollectionLevels(editor, "missing.lvl"), 0);
  EXPECT_FALSE(std::filesystem::exists(Levels("missing.lvl")));
  WriteCollection(Levels("full.lvl"), std::vector<std::string>(1000, "x"));
  EXPECT_EQ(CountCollectionLevels(editor, "full.lvl"), 999);
}

}  // namespace
}  // namespace brolt::editor
