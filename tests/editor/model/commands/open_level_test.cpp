#include "editor/model/commands/open_level.h"

#include <gtest/gtest.h>

#include <tuple>

#include "editor/model/commands/level_conversion.h"
#include "editor/model/commands/recent_levels.h"
#include "editor/support/collection_fixture.h"

namespace brolt::editor {
namespace {

using Rows = std::vector<std::optional<std::string>>;

// Compared whole, but not printed: a record is thousands of characters.
std::string AsRecord(const LevelState& level) { return EncodeLevelRecord(ToLevelRecord(level)); }

// Where each field stands in a record is checked in level_record_test.cpp, and that the editor's
// fields reach theirs by the preview file in game_launch_test.cpp.
TEST(LevelConversion, ALevelReadsBackAsWrittenWithWhatTheFilesCannotHoldMended) {
  LevelState level;
  level.LevelTitle = "Twenty-nine characters long!!";
  level.LevelColor = {"1,2,3", "010,020,030", "300,-4,7", "12"};
  std::tie(level.LightRadius, level.TimeLimit, level.UnidAward, level.CannonRate) = std::tuple(12, 345, 6, 78);
  level.Cell(49, 0) = {999, 4, 0, false};
  level.Cell(3, 49) = {45, 1, 0, false};
  level.Cell(4, 4) = {0, 3, 0, false};   // an empty cell keeps no direction
  level.Cell(5, 5) = {20, 7, 0, false};  // a direction the files can't hold
  const LevelRecord record = ToLevelRecord(level);
  EXPECT_EQ(record.Cell(4, 4).direction, 0);
  EXPECT_EQ(record.Cell(5, 5).direction, 0);

  LevelState read;
  read.LevelTitle = level.LevelTitle;  // the open takes the title from the level list
  ApplyLevelRecord(DecodeLevelRecord(EncodeLevelRecord(record)), read);
  EXPECT_EQ(read.LevelColor, (std::array<std::string, 4>{"1,2,3", "10,20,30", "255,0,7", "12,0,0"}));
  EXPECT_TRUE(AsRecord(read) == EncodeLevelRecord(record));
}

TEST(LevelConversion, ReadingEmptiesTheWholeMapAndTakesBadDirectionsAndBlankNumbersAsZero) {
  std::string record = EncodeLevelRecord(LevelRecord{});
  record.replace(39, 2, "  ");                            // a blank light radius
  record.replace(100 + 4 * (50 * 2 + 1) - 1, 4, "0217");  // direction 7 at (1, 2)
  record.replace(100 + 4 * (50 * 3 + 1) - 1, 4, "021 ");  // a blank direction at (1, 3)
  LevelState level;
  level.LightRadius = 5;
  level.Map[50][3] = {5, 1, 0, false};  // outside the level, where no record reaches
  ApplyLevelRecord(DecodeLevelRecord(record), level);
  EXPECT_EQ(level.LightRadius, 0);
  EXPECT_EQ(level.Cell(1, 2), (MapCell{21, 0, 0, false}));
  EXPECT_EQ(level.Cell(1, 3).Direction, 0);
  EXPECT_EQ(level.Map[50][3].TileCode, 0);
}

class OpenLevelTest : public testing::CollectionFixture {
 protected:
  void PickInLoadDialog(const std::string& file, int levelIndex) {
    dialogs.loadDialog = [this, file, levelIndex](LoadDialogState& state) {
      state.FileIndex = static_cast<int>(std::find(state.Files.begin(), state.Files.end(), file) - state.Files.begin());
      ListLoadLevels(editor, state);
      state.LevelIndex = levelIndex;
      return true;
    };
  }
  void AddRecent(const std::string& file, int level, const std::string& title) {
    editor.prefs.LevelFile = file;
    editor.level.LevelNumber = static_cast<std::int16_t>(level);
    editor.level.LevelTitle = title;
    AddRecentLevel(editor);
  }
  void InsertRecent(const std::string& values) {
    testing::RawDatabase(database).Execute("insert into Recent values " + values);
  }
  // The recent levels, newest first, as the menu shows them from the table: numbered from 1 without a gap.
  void ExpectRecent(const std::vector<std::string>& titles) {
    std::vector<std::string> menu;
    for (const std::string& title : titles) menu.push_back("&" + std::to_string(menu.size() + 1) + " " + title);
    EXPECT_EQ(window.recent, menu);
  }
};

// Cancelling the save question or the dialog keeps the map; answering No opens the level whole, as
// the new start of its undo history.
TEST_F(OpenLevelTest, TheMapIsKeptUntilTheDesignerLetsItGoAndTheLevelOpensWhole) {
  OpenLevel(editor, kAskWithLoadDialog);
  EXPECT_EQ(dialogs.LastMessage(), "No level collections are found to load from.");
  WriteLevels("a.lvl", {"Round trip"});
  editor.level.Map[50][50].TileCode = 5;  // outside the level
  editor.level.Cell(3, 3).TileCode = 5;
  for (const auto& [saved, answer, dialogsShown] : {std::tuple{false, 2, 0}, {true, 2, 1}, {false, 1, 2}}) {
    editor.level.LevelSaved = saved;
    dialogs.buttonAnswers = {answer};
    PickInLoadDialog("a.lvl", 0);
    if (saved) dialogs.loadDialog = nullptr;  // the dialog cancelled
    OpenLevel(editor, kAskWithLoadDialog);
    EXPECT_EQ(dialogs.loadDialogsShown, dialogsShown);
    EXPECT_EQ(editor.level.Cell(3, 3).TileCode, dialogsShown == 2 ? 0 : 5);
  }
  EXPECT_EQ(dialogs.LastMessage(), "Save changes before loading another level?");
  EXPECT_TRUE(AsRecord(editor.level) == LevelTitled("Round trip"));
  EXPECT_EQ(editor.level.Map[50][50].TileCode, 0);
  EXPECT_EQ(editor.level.LevelNumber, 1);
  EXPECT_EQ(editor.prefs.LevelFile, "a.lvl");
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(editor.undo.Oldest, editor.undo.UndoIndex);
  EXPECT_EQ(editor.collections.DropDownIndex, 0);
}

TEST_F(OpenLevelTest, TheRollDownListOpensItsEntryAndRefusesEmptyOnes) {
  WriteCompiled("game.lvl", {"one", "two"});
  editor.DeveloperMode = true;
  editor.prefs.LevelFile = "game.lvl";
  for (const auto& [index, message] : std::vector<std::pair<int, std::string>>{
           {-1, "Select a level to load."}, {3, "Select a level to load."}, {2, "Level 003 does not exist."},
           {1, ""}}) {
    dialogs.messages.clear();
    editor.collections.DropDownIndex = index;
    OpenLevelNumber(editor);
    EXPECT_EQ(dialogs.LastMessage(), message) << index;
  }
  EXPECT_EQ(editor.level.LevelTitle, "two");
  EXPECT_EQ(editor.level.LevelNumber, 2);
  EXPECT_EQ(editor.level.Cell(1, 1).TileCode, 1);
}

TEST_F(OpenLevelTest, EachLevelHasOneRecentEntryAndTheNineNewestAreKept) {
  AddRecent("a.lvl", 1, "First");
  AddRecent("a.lvl", 2, "Second");
  AddRecent("b.lvl", 1, "First");  // the same title in another collection
  AddRecent("A.LVL", 1, "First");  // the same level again, its file in other letters
  ExpectRecent({"First", "First", "Second"});
  EXPECT_EQ(RecentRows("File"), (Rows{"A.LVL", "b.lvl", "a.lvl"}));
  for (int i = 1; i <= 12; ++i) AddRecent("c.lvl", i, "Level " + std::to_string(i));
  std::vector<std::string> newest;
  for (int i = 12; i > 12 - kMaxRecentLevels; --i) newest.push_back("Level " + std::to_string(i));
  ExpectRecent(newest);

  RemoveRecentLevel(editor, "c.lvl", 12);  // the others move up
  InsertRecent("(8, 'A.lvl', 5, 'x')");
  RemoveRecentLevel(editor, "a.lvl", 5);  // its file in any letters, and only its slot: c.lvl's stays
  newest.erase(newest.begin());
  ExpectRecent(newest);
}

// A recent entry names a slot: an empty one is dropped without touching the file or the level in the
// editor, and the level now in it replaces the entry of the old title.
TEST_F(OpenLevelTest, ARecentEntryOpensTheLevelNowInItsSlotAndOneOfAnEmptySlotIsDropped) {
  WriteCollection(Levels("a.lvl"), {"", LevelTitled("renamed")});
  InsertRecent("(0, 'a.lvl', 1, 'gone'), (1, 'b.lvl', 1, 'x'), (2, 'A.LVL', 1, 'gone too'), (3, 'a.lvl', 2, 'two')");
  editor.prefs.LevelFile = "b.lvl";
  editor.level.LevelTitle = "mine";
  editor.level.Cell(4, 4).TileCode = 5;
  OpenLevel(editor, 0);
  EXPECT_EQ(dialogs.LastMessage(), "Level 001 does not exist.");
  EXPECT_TRUE(std::filesystem::exists(Levels("a.lvl")));
  EXPECT_EQ(editor.prefs.LevelFile, "b.lvl");
  EXPECT_EQ(editor.level.LevelTitle, "mine");
  EXPECT_EQ(editor.level.Cell(4, 4).TileCode, 5);
  ExpectRecent({"x", "two"});

  OpenLevel(editor, 1);
  EXPECT_EQ(editor.level.LevelTitle, "renamed");
  EXPECT_EQ(editor.level.LevelNumber, 2);
  EXPECT_EQ(editor.prefs.LevelFile, "a.lvl");
  ExpectRecent({"renamed", "x"});
}

}  // namespace
}  // namespace brolt::editor
