#include "editor/model/save_level.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "common/numeric.h"
#include "editor/model/level_conversion.h"
#include "editor/support/collection_fixture.h"
#include "support/file_size_limit.h"

namespace brolt::editor {
namespace {

class SaveLevelTest : public testing::CollectionFixture {
 protected:
  // The designer picks this slot (by its position in the list) and types this title.
  void ChooseInDialog(int slotIndex, const std::string& title) {
    dialogs.saveDialog = [=](SaveDialogState& state) {
      state.SlotIndex = slotIndex;
      state.Title = title;
      return true;
    };
  }
  std::string Expected(const std::string& title) {
    LevelState level = editor.level;
    level.LevelTitle = title;
    return EncodeLevelRecord(ToLevelRecord(level));
  }
};

TEST_F(SaveLevelTest, ANewLevelGoesThroughTheDialogIntoTheChosenSlot) {
  WriteLevels("a.lvl", {"one", "two"});
  editor.prefs.LevelFile = "a.lvl";
  PlacePlayable();
  editor.level.LevelColor[2] = "1,2,3";
  ChooseInDialog(2, "My level");
  SaveLevel(editor, false);
  EXPECT_EQ(dialogs.saveDialogsShown, 1);
  EXPECT_EQ(ReadSlot(Levels("a.lvl"), 3), Expected("My level"));
  EXPECT_EQ(ReadSlot(Levels("a.lvl"), 1), LevelTitled("one"));
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(editor.level.LevelNumber, 3);
  EXPECT_EQ(editor.level.LevelTitle, "My level");
  EXPECT_EQ(window.caption, (std::vector<std::string>{"My level", "(3 of 3)", "a.lvl"}));
  EXPECT_EQ(RecentRows("Title"), std::vector<std::optional<std::string>>{"My level"});
}

TEST_F(SaveLevelTest, WithoutThresherOrPortalNothingIsWritten) {
  WriteLevels("a.lvl", {"one"});
  const std::string before = Bytes("a.lvl");
  editor.prefs.LevelFile = "a.lvl";
  editor.level.LevelNumber = 1;
  editor.level.LevelTitle = "one";
  editor.level.Cell(1, 1).TileCode = 1;
  editor.level.LevelSaved = false;
  SaveLevel(editor, false);
  EXPECT_EQ(dialogs.LastMessage(), "Cannot save. Level is either missing Thresher and/or a Portal.");
  EXPECT_EQ(dialogs.messages.back().helpKey, "cannotsave");
  EXPECT_EQ(Bytes("a.lvl"), before);
  EXPECT_FALSE(editor.level.LevelSaved);
}

TEST_F(SaveLevelTest, APlainSaveWritesStraightOnlyIntoASlotBothProgramsSee) {
  struct Case {
    std::string file;
    int number;
    bool straight;
  };
  for (const Case& c : {Case{"a.lvl", 2, true}, Case{"a.lvl", 4, true}, Case{"a.lvl", 0, true},
                        Case{"a.lvl", 5, false}, Case{"missing.lvl", 1, false}, Case{"game.lvl", 2, true},
                        Case{"game.lvl", 3, false}}) {
    WriteLevels("a.lvl", {"one", "two", "three"});
    WriteCompiled("game.lvl", {"one", "two"});
    editor.DeveloperMode = true;
    PlacePlayable();
    editor.prefs.LevelFile = c.file;
    editor.level.LevelNumber = static_cast<std::int16_t>(c.number);
    editor.level.LevelTitle = "Mine";
    dialogs.saveDialogsShown = 0;
    SaveLevel(editor, false);
    EXPECT_EQ(dialogs.saveDialogsShown, c.straight ? 0 : 1) << c.file << " " << c.number;
    EXPECT_EQ(editor.level.LevelSaved, c.straight);
    if (c.straight) {
      EXPECT_EQ(TrimSpaces(FieldText(ReadSlot(Levels(c.file), std::max(c.number, 1)), level_field::Title)), "Mine");
    }
  }
  EXPECT_FALSE(std::filesystem::exists(Levels("missing.lvl")));
  EXPECT_EQ(CountFilledSlots(Levels("a.lvl")), 3);
}

TEST_F(SaveLevelTest, SavingOverTheFirstLevelOfACompiledCollectionKeepsItsMarker) {
  WriteCompiled("game.lvl", {"one", "two"});
  editor.DeveloperMode = true;
  PlacePlayable();
  editor.prefs.LevelFile = "game.lvl";
  editor.level.LevelNumber = 1;
  editor.level.LevelTitle = "one";
  SaveLevel(editor, false);
  const std::string first = ReadSlot(Levels("game.lvl"), 1);
  EXPECT_EQ(FieldText(first, level_field::CompiledMarker), "zq");
  EXPECT_EQ(FieldText(first, level_field::OpenState), "0");
  EXPECT_EQ(ReadSlot(Levels("game.lvl"), 3), EncodeTagRecord("Welcome", "Well done"));
}

TEST_F(SaveLevelTest, AWriteCutOffHalfWayLeavesTheCollectionByteForByteAndTheLevelUnsaved) {
  WriteLevels("a.lvl", {"one", "two", "three"});
  const std::string before = Bytes("a.lvl");
  PlacePlayable();
  editor.prefs.LevelFile = "a.lvl";
  editor.level.LevelNumber = 2;
  editor.level.LevelTitle = "two";
  {
    testing::FileSizeLimit limit(kSlotLength + 100);
    SaveLevel(editor, false);
  }
  EXPECT_EQ(Bytes("a.lvl"), before);
  EXPECT_FALSE(editor.level.LevelSaved);
  EXPECT_EQ(dialogs.LastMessage().rfind("ERROR:  ", 0), 0u) << dialogs.LastMessage();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(levels), {}), 1);
}

TEST_F(SaveLevelTest, AReadOnlyFolderGivesAnErrorAndTheLevelStaysUnsaved) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions don't bind the superuser";
  WriteLevels("a.lvl", {"one"});
  std::filesystem::permissions(levels, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  PlacePlayable();
  editor.prefs.LevelFile = "a.lvl";
  ChooseInDialog(1, "New");
  SaveLevel(editor, true);
  std::filesystem::permissions(levels, std::filesystem::perms::owner_all);
  EXPECT_EQ(dialogs.LastMessage().rfind("ERROR:  ", 0), 0u);
  EXPECT_FALSE(editor.level.LevelSaved);
  EXPECT_EQ(editor.level.LevelNumber, -1);
  EXPECT_EQ(CountFilledSlots(Levels("a.lvl")), 1);
}

TEST_F(SaveLevelTest, ACancelledDialogWritesNothingAndChangesNothing) {
  WriteLevels("a.lvl", {"one"});
  const std::string before = Bytes("a.lvl");
  PlacePlayable();
  SaveLevel(editor, false);
  EXPECT_EQ(dialogs.saveDialogsShown, 1);
  EXPECT_EQ(Bytes("a.lvl"), before);
  EXPECT_EQ(editor.level.LevelNumber, -1);
  EXPECT_EQ(editor.level.LevelTitle, "Untitled");
  EXPECT_FALSE(editor.level.LevelSaved);
}

}  // namespace
}  // namespace brolt::editor
