#include "editor/model/commands/save_level.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "common/numeric.h"
#include "editor/model/collections/collection_records.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/commands/compile_collection.h"
#include "editor/support/collection_fixture.h"
#include "support/file_size_limit.h"
#include "support/killed_writer.h"

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
  // A savable map, unsaved, that the editor holds as level `number` of `file`.
  void Editing(const std::string& file, int number, const std::string& title) {
    PlacePlayable();
    editor.prefs.LevelFile = file;
    editor.level.LevelNumber = static_cast<std::int16_t>(number);
    editor.level.LevelTitle = title;
  }
  std::string TitleIn(const std::string& file, int slot) {
    return TrimSpaces(FieldText(ReadSlot(Levels(file), slot), level_field::Title));
  }
};

// That the whole level is written and no other record changes is checked byte for byte, through the
// real dialogs, in level_management_dialog_test.cpp.
TEST_F(SaveLevelTest, ANewLevelGoesThroughTheDialogIntoTheChosenSlot) {
  WriteLevels("a.lvl", {"one", "two"});
  Editing("a.lvl", -1, "Untitled");
  ChooseInDialog(2, "My level");
  SaveLevel(editor, false);
  EXPECT_EQ(TitleIn("a.lvl", 3), "My level");
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(window.caption, (std::vector<std::string>{"My level", "(3 of 3)", "a.lvl"}));
  EXPECT_EQ(RecentRows("Title"), std::vector<std::optional<std::string>>{"My level"});
}

// Only into a slot both programs see: an existing one or the next after the last level, and in a
// compiled collection never past its last level, where the tag record is.
TEST_F(SaveLevelTest, APlainSaveWritesStraightOnlyIntoASlotBothProgramsSee) {
  struct Case { std::string file; int number; bool straight; };
  for (const Case& c : {Case{"a.lvl", 2, true}, Case{"a.lvl", 4, true}, Case{"a.lvl", 0, true},
                        Case{"a.lvl", 5, false}, Case{"a.lvl", -1, false}, Case{"missing.lvl", 1, false},
                        Case{"game.lvl", 1, true}, Case{"game.lvl", 2, true}, Case{"game.lvl", 3, false}}) {
    const std::string name = c.file + " " + std::to_string(c.number);
    WriteLevels("a.lvl", {"one", "two", "three"});
    WriteCompiled("game.lvl", {"one", "two"});
    editor.DeveloperMode = true;
    Editing(c.file, c.number, "Mine");
    dialogs.saveDialogsShown = 0;
    SaveLevel(editor, false);  // the dialog, when shown, is cancelled
    EXPECT_EQ(dialogs.saveDialogsShown, c.straight ? 0 : 1) << name;
    EXPECT_EQ(editor.level.LevelSaved, c.straight) << name;
    EXPECT_EQ(editor.level.LevelNumber, c.straight ? std::max(c.number, 1) : c.number) << name;
    EXPECT_EQ(editor.level.LevelTitle, "Mine") << name;
    if (c.straight) {
      EXPECT_EQ(TitleIn(c.file, std::max(c.number, 1)), "Mine") << name;
    }
    EXPECT_EQ(FieldText(ReadSlot(Levels("game.lvl"), 1), level_field::CompiledMarker), "zq") << name;
    EXPECT_EQ(ReadSlot(Levels("game.lvl"), 3), EncodeTagRecord("Welcome", "Well done")) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(Levels("missing.lvl")));
  EXPECT_EQ(CountFilledSlots(Levels("a.lvl")), 3);
}

// Refused for want of a Portal, or cut off half-way as a plain save or through the dialog.
TEST_F(SaveLevelTest, AFailedSaveLeavesTheCollectionByteForByteAndTheLevelUnsaved) {
  const std::string noPortal = "Cannot save. Level is either missing Thresher and/or a Portal.";
  for (const auto& [number, playable] : {std::pair{1, false}, {2, true}, {-1, true}}) {
    WriteLevels("a.lvl", {"one", "two", "three"});
    const std::string before = Bytes("a.lvl");
    Editing("a.lvl", number, "two");
    if (!playable) editor.level.Cell(12, 13).TileCode = 0;
    ChooseInDialog(3, "New");
    {
      testing::FileSizeLimit limit(kSlotLength + 100);
      SaveLevel(editor, false);
    }
    EXPECT_EQ(Bytes("a.lvl"), before) << number;
    EXPECT_FALSE(editor.level.LevelSaved) << number;
    EXPECT_EQ(editor.level.LevelNumber, number);
    EXPECT_EQ(editor.level.LevelTitle, "two");
    const std::string said = dialogs.LastMessage();
    EXPECT_TRUE(playable ? said.rfind("ERROR:  ", 0) == 0 && said.find("Cannot save the level.") != std::string::npos
                         : said == noPortal) << said;
    // The refusal opens its own help page; an error report has none.
    EXPECT_EQ(dialogs.messages.back().helpKey, playable ? "" : "cannotsave") << number;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(levels), {}), 1) << number;
  }
}

// A crash at any step of a collection write leaves the collection as it was or as it was meant to
// be, and nothing that either program would list as another collection.
TEST_F(SaveLevelTest, AWriteKilledAtAnyStepLeavesTheOldOrTheNewFileAndNoOtherCollection) {
  editor.DeveloperMode = true;  // lists compiled collections too, as the game does
  const std::vector<std::tuple<std::string, std::string, std::function<void()>>> writers{
      {"level save", "a.lvl", [this] { SaveLevel(editor, false); }},
      {"management save", "a.lvl",
       [this] {
         LoadCollectionRecords(editor, "a.lvl");
         editor.manage.ManageRecords[0] = LevelTitled("Renamed");
         SaveCollectionRecords(editor, "a.lvl");
       }},
      {"compile", "a.clvl", [this] { CompileChosenCollection(editor, {{"a.lvl"}, "a.lvl", 1, "Hello", "Bye"}); }}};
  for (const auto& [writer, target, write] : writers) {
    for (const ReplaceStep step : testing::kEveryReplaceStep) {
      const std::string name = writer + " killed at step " + std::to_string(static_cast<int>(step));
      WriteLevels("a.lvl", {"One", "Two"});
      WriteCompiled("a.clvl", {"Old"});
      Editing("a.lvl", 2, "Two");
      const std::string old = Bytes(target);
      const std::vector<std::string> listed = CollectionFilesInFolder(editor);
      ASSERT_TRUE(testing::RunKilledAt(step, write)) << name;
      const std::string afterKill = Bytes(target);
      EXPECT_EQ(CollectionFilesInFolder(editor), listed) << name;
      write();
      const std::string written = Bytes(target);
      ASSERT_TRUE(written != old) << name;
      // Compared whole, but not printed: a collection is thousands of characters.
      EXPECT_TRUE(afterKill == (step == ReplaceStep::Renamed ? written : old)) << name;
    }
  }
}

}  // namespace
}  // namespace brolt::editor
