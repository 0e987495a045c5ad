#include "editor/model/open_level.h"

#include <gtest/gtest.h>

#include "editor/model/level_conversion.h"
#include "editor/model/recent_levels.h"
#include "editor/support/collection_fixture.h"

namespace brolt::editor {
namespace {

using Rows = std::vector<std::optional<std::string>>;

// Compared whole, but not printed: a record is thousands of characters.
std::string AsRecord(const LevelState& level) { return EncodeLevelRecord(ToLevelRecord(level)); }

TEST(LevelConversion, TheEditorsFieldsStandAtTheGamesPositionsAndReadBack) {
  LevelState level;
  level.LevelTitle = "Twenty-nine characters long!!";
  level.LevelColor = {"1,2,3", "010,020,030", "255,0,128", "7,8,9"};
  level.LightRadius = 12;
  level.TimeLimit = 345;
  level.UnidAward = 6;
  level.CannonRate = 78;
  level.Cell(0, 0) = {1, 2, 0, false};
  level.Cell(49, 0) = {999, 4, 0, false};
  level.Cell(3, 49) = {45, 0, 0, false};
  level.Cell(4, 4) = {0, 3, 0, false};   // an empty cell keeps no direction
  level.Cell(5, 5) = {20, 7, 0, false};  // a direction the files can't hold
  level.Map[50][50].TileCode = 12;       // outside the level: never written

  const std::string record = AsRecord(level);
  ASSERT_EQ(record.size(), 10099u);
  EXPECT_EQ(record.substr(0, 103), "Twenty-nine characters long!! 001002003" "12" "345" "     0" "00:00:00 "
                                   "       " "010020030255000128007008009" "  0678" "0012");
  for (const auto& [x, y, text] : std::vector<std::tuple<int, int, std::string>>{
           {49, 0, "9994"}, {3, 49, "0450"}, {4, 4, "0000"}, {5, 5, "0200"}})
    EXPECT_EQ(record.substr(static_cast<std::size_t>(99 + 4 * (50 * y + x)), 4), text) << x << "," << y;

  LevelState read;
  read.LevelTitle = level.LevelTitle;  // the open takes the title from the level list
  ApplyLevelRecord(DecodeLevelRecord(record), read);
  EXPECT_EQ(read.LevelColor, (std::array<std::string, 4>{"1,2,3", "10,20,30", "255,0,128", "7,8,9"}));
  EXPECT_TRUE(AsRecord(read) == record);
  EXPECT_EQ(read.Map[50][50].TileCode, 0);
}

TEST(LevelConversion, ReadingEmptiesTheWholeMapAndTakesBadDirectionsAndBlankNumbersAsZero) {
  std::string record = EncodeLevelRecord(LevelRecord{});
  record.replace(39, 2, "  ");                            // a blank light radius
  record.replace(100 + 4 * (50 * 2 + 1) - 1, 4, "0217");  // direction 7 at (1, 2)
  record.replace(100 + 4 * (50 * 3 + 1) - 1, 4, "021 ");  // a blank direction at (1, 3)
  LevelState level;
  level.LightRadius = 5;
  level.Map[50][3] = {5, 1, 0, false};
  level.Cell(7, 7) = {5, 1, 0, false};
  ApplyLevelRecord(DecodeLevelRecord(record), level);
  EXPECT_EQ(level.LightRadius, 0);
  EXPECT_EQ(level.Cell(1, 2), (MapCell{21, 0, 0, false}));
  EXPECT_EQ(level.Cell(1, 3).Direction, 0);
  EXPECT_EQ(level.Cell(7, 7).TileCode, 0);
  EXPECT_EQ(level.Map[50][3].TileCode, 0);
}

TEST(ColorText, ComponentsAreClampedAndPaddedFormsAreTheSameColour) {
  EXPECT_EQ(ColorTextToRgb("000,128,255"), (RgbColour{0, 128, 255}));
  EXPECT_EQ(ColorTextToRgb("300,-4,7"), (RgbColour{255, 0, 7}));
  EXPECT_EQ(ColorTextToRgb("12"), (RgbColour{12, 0, 0}));
  EXPECT_EQ(RgbToColorText({0, 128, 255}), "0,128,255");
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
  // An unsaved map that an open must not lose unasked.
  void DrawUnsaved() {
    editor.level.Cell(3, 3).TileCode = 5;
    editor.level.LevelSaved = false;
  }
  void AddRecent(const std::string& file, int level, const std::string& title) {
    editor.prefs.LevelFile = file;
    editor.level.LevelNumber = static_cast<std::int16_t>(level);
    editor.level.LevelTitle = title;
    AddRecentLevel(editor);
  }
};

TEST_F(OpenLevelTest, ALevelOpensWholeAsTheNewStartOfItsUndoHistory) {
  LevelState stored;
  stored.LevelTitle = "Round trip";
  stored.LevelColor = {"1,2,3", "4,5,6", "7,8,9", "10,11,12"};
  stored.LightRadius = 9;
  stored.CannonRate = 17;
  stored.Cell(49, 49) = {5, 3, 0, false};
  WriteCollection(Levels("a.lvl"), {AsRecord(stored)});
  editor.level.Map[50][50].TileCode = 5;  // outside the level
  DrawUnsaved();
  dialogs.buttonAnswers = {1};  // No: drop the unsaved map
  PickInLoadDialog("a.lvl", 0);
  OpenLevel(editor, kAskWithLoadDialog);
  EXPECT_EQ(dialogs.messages.at(0).text, "Save changes before loading another level?");
  EXPECT_TRUE(AsRecord(editor.level) == AsRecord(stored));
  EXPECT_EQ(editor.level.Map[50][50].TileCode, 0);
  EXPECT_EQ(editor.level.LevelNumber, 1);
  EXPECT_EQ(editor.prefs.LevelFile, "a.lvl");
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(editor.undo.Oldest, editor.undo.UndoIndex);
  EXPECT_EQ(editor.collections.DropDownIndex, 0);
}

TEST_F(OpenLevelTest, CancellingTheSaveQuestionOrTheDialogKeepsTheLevel) {
  OpenLevel(editor, kAskWithLoadDialog);
  EXPECT_EQ(dialogs.LastMessage(), "No level collections are found to load from.");
  WriteLevels("a.lvl", {"one"});
  DrawUnsaved();
  dialogs.buttonAnswers = {2};
  PickInLoadDialog("a.lvl", 0);
  OpenLevel(editor, kAskWithLoadDialog);
  EXPECT_EQ(dialogs.loadDialogsShown, 0);
  EXPECT_EQ(editor.level.Cell(3, 3).TileCode, 5);
  editor.level.LevelSaved = true;
  dialogs.loadDialog = nullptr;
  OpenLevel(editor, kAskWithLoadDialog);
  EXPECT_EQ(dialogs.loadDialogsShown, 1);
  EXPECT_EQ(editor.level.Cell(3, 3).TileCode, 5);
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

TEST_F(OpenLevelTest, EachLevelHasOneRecentEntryTheNewestFirstWithConsecutiveIndices) {
  AddRecent("a.lvl", 1, "First");
  AddRecent("a.lvl", 2, "Second");
  AddRecent("b.lvl", 1, "First");  // the same title in another collection
  AddRecent("A.LVL", 1, "First");  // the same level again, its file in other letters
  EXPECT_EQ(RecentRows("Title"), (Rows{"First", "First", "Second"}));
  EXPECT_EQ(RecentRows("File"), (Rows{"A.LVL", "b.lvl", "a.lvl"}));
  EXPECT_EQ(RecentRows("\"Index\""), (Rows{"0", "1", "2"}));
  EXPECT_EQ(window.recent, (std::vector<std::string>{"&1 First", "&2 First", "&3 Second"}));

  for (int i = 1; i <= 12; ++i) AddRecent("c.lvl", i, "Level " + std::to_string(i));
  const Rows indices = RecentRows("\"Index\"");
  ASSERT_EQ(indices.size(), static_cast<std::size_t>(kMaxRecentLevels));
  for (int i = 0; i < kMaxRecentLevels; ++i) EXPECT_EQ(indices[static_cast<std::size_t>(i)], std::to_string(i));
  EXPECT_EQ(window.recent.front(), "&1 Level 12");
  EXPECT_EQ(window.recent.back(), "&9 Level 4");
}

TEST_F(OpenLevelTest, RemovingARecentSlotRenumbersTheRest) {
  testing::RawDatabase(database).Execute(
      "insert into Recent values (0, 'a.lvl', 3, 'x'), (1, 'b.lvl', 3, 'y'), (2, 'A.lvl', 3, 'z'), (3, 'a.lvl', 4, 'w')");
  RemoveRecentLevel(editor, "a.lvl", 3);
  EXPECT_EQ(RecentRows("Title"), (Rows{"y", "w"}));
  EXPECT_EQ(RecentRows("\"Index\""), (Rows{"0", "1"}));
  EXPECT_EQ(window.recent, (std::vector<std::string>{"&1 y", "&2 w"}));
}

TEST_F(OpenLevelTest, ARecentEntryOpensTheLevelNowInItsSlot) {
  WriteLevels("a.lvl", {"one", "renamed"});
  testing::RawDatabase(database).Execute("insert into Recent values (0, 'b.lvl', 1, 'x'), (1, 'a.lvl', 2, 'two')");
  OpenLevel(editor, 1);
  EXPECT_EQ(editor.level.LevelTitle, "renamed");
  EXPECT_EQ(editor.level.LevelNumber, 2);
  EXPECT_EQ(editor.prefs.LevelFile, "a.lvl");
  EXPECT_EQ(RecentRows("Title"), (Rows{"renamed", "x"}));
}

TEST_F(OpenLevelTest, ARecentEntryOfAnEmptySlotIsReportedAndCleanedAndDeletesNoFile) {
  WriteCollection(Levels("a.lvl"), {"", LevelTitled("second")});
  WriteLevels("b.lvl", {"mine"});
  testing::RawDatabase(database).Execute(
      "insert into Recent values (0, 'a.lvl', 1, 'gone'), (1, 'b.lvl', 1, 'mine'), (2, 'A.LVL', 1, 'gone too')");
  editor.prefs.LevelFile = "b.lvl";
  editor.level.LevelNumber = 1;
  editor.level.LevelTitle = "mine";
  editor.level.Cell(4, 4).TileCode = 5;
  OpenLevel(editor, 0);
  EXPECT_EQ(dialogs.LastMessage(), "Level 001 does not exist.");
  EXPECT_TRUE(std::filesystem::exists(Levels("a.lvl")));
  EXPECT_EQ(editor.prefs.LevelFile, "b.lvl");
  EXPECT_EQ(editor.level.LevelTitle, "mine");
  EXPECT_EQ(editor.level.Cell(4, 4).TileCode, 5);
  EXPECT_EQ(RecentRows("Title"), Rows{"mine"});
  EXPECT_EQ(RecentRows("\"Index\""), Rows{"0"});
}

}  // namespace
}  // namespace brolt::editor
