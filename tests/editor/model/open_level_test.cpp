#include "editor/model/open_level.h"

#include <gtest/gtest.h>

#include "editor/model/save_level.h"
#include "editor/support/collection_fixture.h"

namespace brolt::editor {
namespace {

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
};

TEST_F(OpenLevelTest, ASavedLevelOpensWithEveryFieldAndCell) {
  WriteCollection(Levels("a.lvl"), {""});
  for (int x = 0; x < kLevelSize; ++x)
    for (int y = 0; y < kLevelSize; ++y) editor.level.Cell(x, y) = {static_cast<std::int16_t>((x * 50 + y) % 1000), static_cast<std::int16_t>((x + y) % 5), 0, false};
  PlacePlayable();
  editor.level.LevelColor = {"1,2,3", "4,5,6", "7,8,9", "10,11,12"};
  editor.level.LightRadius = 9;
  editor.level.TimeLimit = 321;
  editor.level.UnidAward = 4;
  editor.level.CannonRate = 17;
  const LevelState saved = editor.level;
  dialogs.saveDialog = [](SaveDialogState& state) {
    state.Title = "Round trip";
    return true;
  };
  SaveLevel(editor, false);
  ASSERT_TRUE(editor.level.LevelSaved);

  editor.level = LevelState{};
  editor.level.Cell(3, 3).TileCode = 5;
  editor.level.LevelSaved = false;
  dialogs.buttonAnswers = {1};  // No: drop the unsaved map
  PickInLoadDialog("a.lvl", 0);
  OpenLevel(editor, kAskWithLoadDialog);
  EXPECT_EQ(dialogs.messages.at(0).text, "Save changes before loading another level?");
  for (int x = 0; x < kMapSize; ++x)
    for (int y = 0; y < kMapSize; ++y) {
      const MapCell& expected = saved.Cell(x, y);
      const int code = x < kLevelSize && y < kLevelSize ? expected.TileCode : 0;
      ASSERT_EQ(editor.level.Cell(x, y).TileCode, code) << x << "," << y;
      ASSERT_EQ(editor.level.Cell(x, y).Direction, code == 0 ? 0 : expected.Direction) << x << "," << y;
    }
  EXPECT_EQ(editor.level.LevelColor, saved.LevelColor);
  EXPECT_EQ(editor.level.LightRadius, 9);
  EXPECT_EQ(editor.level.TimeLimit, 321);
  EXPECT_EQ(editor.level.UnidAward, 4);
  EXPECT_EQ(editor.level.CannonRate, 17);
  EXPECT_EQ(editor.level.LevelTitle, "Round trip");
  EXPECT_EQ(editor.level.LevelNumber, 1);
  EXPECT_EQ(editor.prefs.LevelFile, "a.lvl");
  EXPECT_TRUE(editor.level.LevelSaved);
  // The opened level is the oldest state the undo history holds.
  EXPECT_EQ(editor.undo.Oldest, editor.undo.UndoIndex);
  EXPECT_EQ(editor.collections.DropDownIndex, 0);
}

TEST_F(OpenLevelTest, CancellingTheSaveQuestionOrTheDialogKeepsTheLevel) {
  WriteLevels("a.lvl", {"one"});
  editor.level.Cell(3, 3).TileCode = 5;
  editor.level.LevelSaved = false;
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

TEST_F(OpenLevelTest, WithoutCollectionsThereIsNothingToLoad) {
  OpenLevel(editor, kAskWithLoadDialog);
  EXPECT_EQ(dialogs.LastMessage(), "No level collections are found to load from.");
  EXPECT_EQ(dialogs.loadDialogsShown, 0);
}

TEST_F(OpenLevelTest, ARecentEntryOpensTheLevelNowInItsSlot) {
  WriteLevels("a.lvl", {"one", "renamed"});
  testing::RawDatabase(database).Execute("insert into Recent values (0, 'b.lvl', 1, 'x'), (1, 'a.lvl', 2, 'two')");
  OpenLevel(editor, 1);
  EXPECT_EQ(editor.level.LevelTitle, "renamed");
  EXPECT_EQ(editor.level.LevelNumber, 2);
  EXPECT_EQ(editor.prefs.LevelFile, "a.lvl");
  EXPECT_EQ(RecentRows("Title"), (std::vector<std::optional<std::string>>{"renamed", "x"}));
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
  EXPECT_EQ(RecentRows("Title"), std::vector<std::optional<std::string>>{"mine"});
  EXPECT_EQ(RecentRows("\"Index\""), std::vector<std::optional<std::string>>{"0"});
}

TEST_F(OpenLevelTest, TheRollDownListOpensItsEntryAndRefusesEmptyOnes) {
  WriteCompiled("game.lvl", {"one", "two"});
  editor.DeveloperMode = true;
  editor.prefs.LevelFile = "game.lvl";
  struct Case {
    int index;
    std::string message;
  };
  for (const Case& c : {Case{-1, "Select a level to load."}, Case{3, "Select a level to load."},
                        Case{2, "Level 003 does not exist."}, Case{1, ""}}) {
    dialogs.messages.clear();
    editor.collections.DropDownIndex = c.index;
    OpenLevelNumber(editor);
    EXPECT_EQ(dialogs.LastMessage(), c.message) << c.index;
  }
  EXPECT_EQ(editor.level.LevelTitle, "two");
  EXPECT_EQ(editor.level.LevelNumber, 2);
  EXPECT_EQ(editor.level.Cell(1, 1).TileCode, 1);
}

}  // namespace
}  // namespace brolt::editor
