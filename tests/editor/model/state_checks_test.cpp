#include "editor/model/state_checks.h"

#include <gtest/gtest.h>

#include "editor/support/collection_fixture.h"

namespace brolt::editor {
namespace {

// Whether a map asks to be saved, and which titles are accepted, are checked through the commands
// that ask: new level, exit, open, the save dialog and renaming in level management.
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

TEST_F(StateChecks, CountingStopsAt999AndNeverCreatesAMissingCollection) {
  EXPECT_EQ(CountCollectionLevels(editor, "missing.lvl"), 0);
  EXPECT_FALSE(std::filesystem::exists(Levels("missing.lvl")));
  WriteCollection(Levels("full.lvl"), std::vector<std::string>(1000, "x"));
  EXPECT_EQ(CountCollectionLevels(editor, "full.lvl"), 999);
}

}  // namespace
}  // namespace brolt::editor
