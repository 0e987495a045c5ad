#include "editor/model/recent_levels.h"

#include <gtest/gtest.h>

#include "editor/support/collection_fixture.h"

namespace brolt::editor {
namespace {

using RecentLevels = testing::CollectionFixture;

TEST_F(RecentLevels, EachLevelHasOneEntryTheNewestFirstWithConsecutiveIndices) {
  const auto add = [&](const std::string& file, int level, const std::string& title) {
    editor.prefs.LevelFile = file;
    editor.level.LevelNumber = static_cast<std::int16_t>(level);
    editor.level.LevelTitle = title;
    AddRecentLevel(editor);
  };
  EXPECT_TRUE(window.recent.empty());
  add("a.lvl", 1, "First");
  add("a.lvl", 2, "Second");
  add("b.lvl", 1, "First");  // the same title in another collection
  add("A.LVL", 1, "First");  // the same level again, its file in other letters
  EXPECT_EQ(RecentRows("Title"), (std::vector<std::optional<std::string>>{"First", "First", "Second"}));
  EXPECT_EQ(RecentRows("File"), (std::vector<std::optional<std::string>>{"A.LVL", "b.lvl", "a.lvl"}));
  EXPECT_EQ(RecentRows("\"Index\""), (std::vector<std::optional<std::string>>{"0", "1", "2"}));
  EXPECT_EQ(window.recent, (std::vector<std::string>{"&1 First", "&2 First", "&3 Second"}));

  for (int i = 0; i < 12; ++i) add("c.lvl", i + 1, "Level " + std::to_string(i + 1));
  const auto indices = RecentRows("\"Index\"");
  ASSERT_EQ(indices.size(), static_cast<std::size_t>(kMaxRecentLevels));
  for (int i = 0; i < kMaxRecentLevels; ++i) EXPECT_EQ(indices[static_cast<std::size_t>(i)], std::to_string(i));
  EXPECT_EQ(window.recent.front(), "&1 Level 12");
  EXPECT_EQ(window.recent.back(), "&9 Level 4");
}

TEST_F(RecentLevels, RemovingASlotRenumbersTheRest) {
  testing::RawDatabase(database).Execute(
      "insert into Recent values (0, 'a.lvl', 3, 'x'), (1, 'b.lvl', 3, 'y'), (2, 'A.lvl', 3, 'z'), (3, 'a.lvl', 4, 'w')");
  RemoveRecentLevel(editor, "a.lvl", 3);
  EXPECT_EQ(RecentRows("Title"), (std::vector<std::optional<std::string>>{"y", "w"}));
  EXPECT_EQ(RecentRows("\"Index\""), (std::vector<std::optional<std::string>>{"0", "1"}));
  EXPECT_EQ(window.recent, (std::vector<std::string>{"&1 y", "&2 w"}));
}

}  // namespace
}  // namespace brolt::editor
