#include "editor/model/level_slot_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/file_io.h"
#include "editor/model/collection_records.h"
#include "editor/support/levels_folder_editor.h"

namespace brolt::editor {
namespace {

using testing::LevelsFolderEditor;
using testing::LevelText;
using Command = std::function<ManageOutcome(Editor&, const ManageSelection&)>;

const std::string kHolder(kHolderRecord);

class SlotCommandsTest : public ::testing::Test, public LevelsFolderEditor {
 protected:
  // Writes Set.lvl with levels of these titles; kHolder stands for a holder space.
  void WriteSet(const std::vector<std::string>& titles) {
    std::vector<std::string> records;
    for (const auto& title : titles) records.push_back(title == kHolder ? kHolder : LevelText(title));
    WriteRecords("Set.lvl", records);
  }
  ManageSelection Select(int level, int binEntry = -1) {
    const auto count = static_cast<int>(Titles("Set.lvl").size());
    return {"Set.lvl", level, std::min(count + 1, 999), binEntry};
  }
  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const auto& message : dialogs.messages) texts.push_back(message.text);
    return texts;
  }
  void FillBin(const std::vector<std::string>& titles) {
    for (std::size_t i = 0; i < titles.size(); ++i) editor.manage.LevelBin[i] = LevelText(titles[i]);
  }
};

struct SlotCase {
  std::string name;
  std::vector<std::string> before;
  Command command;
  int level;
  std::deque<int> answers;
  std::vector<std::string> after;
  std::vector<std::string> messages;
};

Command Up(bool keyboard) {
  return [keyboard](Editor& e, const ManageSelection& s) { return MoveLevelUp(e, s, keyboard); };
}
Command Down(bool keyboard) {
  return [keyboard](Editor& e, const ManageSelection& s) { return MoveLevelDown(e, s, keyboard); };
}

TEST_F(SlotCommandsTest, CommandsOnTheManagedCollection) {
  const std::vector<std::string> abc{"A", "B", "C"};
  for (const SlotCase& c : {
           SlotCase{"insert before 1", abc, InsertHolderSpace, 1, {}, {kHolder, "A", "B", "C"}, {}},
           SlotCase{"insert with none selected", abc, InsertHolderSpace, 0, {}, abc, {"Cannot insert."}},
           SlotCase{"insert on the free entry", abc, InsertHolderSpace, 4, {}, abc, {}},
           SlotCase{"delete leaves a holder", abc, DeleteLevel, 2, {1}, {"A", kHolder, "C"}, {"Delete 'B'?"}},
           SlotCase{"delete declined", abc, DeleteLevel, 2, {2}, abc, {"Delete 'B'?"}},
           SlotCase{"delete a holder", {"A", kHolder}, DeleteLevel, 2, {}, {"A", kHolder}, {}},
           SlotCase{"remove a holder closes the gap", {"A", kHolder, "C"}, RemoveLevelSpace, 2, {}, {"A", "C"}, {}},
           SlotCase{"remove a level asks", abc, RemoveLevelSpace, 2, {1}, {"A", "C"},
                    {"Remove this level space containing 'B'?"}},
           SlotCase{"remove declined", abc, RemoveLevelSpace, 2, {2}, abc, {"Remove this level space containing 'B'?"}},
           SlotCase{"remove with none selected", abc, RemoveLevelSpace, 0, {}, abc, {"Cannot remove."}},
           SlotCase{"up at the top", abc, Up(false), 1, {}, abc, {"Cannot move level any higher!"}},
           SlotCase{"down at the bottom", abc, Down(false), 3, {}, abc, {"Cannot move level any lower!"}},
           SlotCase{"up", abc, Up(false), 2, {}, {"B", "A", "C"}, {}},
           SlotCase{"down", abc, Down(true), 1, {}, {"B", "A", "C"}, {}},
           SlotCase{"down on the free entry", abc, Down(false), 4, {}, abc, {}},
           SlotCase{"rename a holder", {kHolder}, RenameLevel, 1, {}, {kHolder}, {"Cannot edit this level."}},
       }) {
    WriteSet(c.before);
    dialogs.messages.clear();
    dialogs.buttonAnswers = c.answers;
    c.command(editor, Select(c.level));
    EXPECT_EQ(Titles("Set.lvl"), c.after) << c.name;
    EXPECT_EQ(Shown(), c.messages) << c.name;
  }
}

TEST_F(SlotCommandsTest, MovesSelectTheMovedLevelUnlessTheArrowKeyDoes) {
  struct Case {
    Command command;
    int level;
    std::optional<int> position;
  };
  for (const Case& c : {Case{Up(false), 3, 1}, Case{Up(true), 3, std::nullopt}, Case{Down(false), 1, 1},
                        Case{Down(true), 2, std::nullopt}}) {
    WriteSet({"A", "B", "C"});
    const ManageOutcome outcome = c.command(editor, Select(c.level));
    EXPECT_TRUE(outcome.refresh);
    EXPECT_EQ(outcome.levelPosition, c.position) << c.level;
  }
}

TEST_F(SlotCommandsTest, InsertingIntoAFullListIsRefused) {
  WriteRecords("Set.lvl", std::vector<std::string>(998, LevelText("Many")));
  InsertHolderSpace(editor, Select(1));
  EXPECT_EQ(dialogs.LastMessage(), "Cannot add any more levels. 999 is the maximum.");
  EXPECT_EQ(Titles("Set.lvl").size(), 998u);
}

TEST_F(SlotCommandsTest, RenameCutsTo29AndPadsTo30KeepingTheRestOfTheRecord) {
  WriteSet({"A", "B"});
  const std::string before = ReadSlot(file("Set.lvl"), 1);
  const std::string typed = "Thirty Five Characters In This One";
  dialogs.inputAnswers = {typed};
  RenameLevel(editor, Select(1));
  const std::string after = ReadSlot(file("Set.lvl"), 1);
  EXPECT_EQ(after.substr(0, 30), typed.substr(0, 29) + " ");
  EXPECT_EQ(after.substr(30), before.substr(30));
  EXPECT_EQ(dialogs.prompts, std::vector<std::string>{"Type a new level title below."});
}

TEST_F(SlotCommandsTest, ARenameTheTitleCheckRefusesChangesNothing) {
  for (const std::string& answer : {std::string(), std::string("   "), std::string("UNTITLED")}) {
    WriteSet({"A"});
    dialogs.inputAnswers = {answer};
    RenameLevel(editor, Select(1));
    EXPECT_EQ(Titles("Set.lvl"), std::vector<std::string>{"A"}) << answer;
    EXPECT_EQ(dialogs.LastMessage(), "Invalid level title.");
  }
}

TEST_F(SlotCommandsTest, PasteMovesTheRecordOutOfTheBinAndKeepsTheRestInOrder) {
  WriteSet({"A", kHolder, "C"});
  FillBin({"X", "Y", "Z"});
  ManageOutcome outcome = PasteLevelFromBin(editor, Select(2, 0));
  EXPECT_EQ(Titles("Set.lvl"), (std::vector<std::string>{"A", "X", "C"}));
  EXPECT_EQ(LevelBinTitles(editor.manage), (std::vector<std::string>{"Y", "Z"}));
  EXPECT_EQ(outcome.binPosition, 1);
  EXPECT_TRUE(dialogs.messages.empty());

  // The bin list's first entry now pastes the level it shows, onto the free entry: appended.
  PasteLevelFromBin(editor, Select(4, 0));
  EXPECT_EQ(Titles("Set.lvl"), (std::vector<std::string>{"A", "X", "C", "Y"}));
  EXPECT_EQ(LevelBinTitles(editor.manage), std::vector<std::string>{"Z"});
}

TEST_F(SlotCommandsTest, PastingOverALevelAsksFirst) {
  for (int answer : {2, 1}) {
    WriteSet({"A", "B"});
    editor.manage = {};
    FillBin({"X"});
    dialogs.buttonAnswers = {answer};
    PasteLevelFromBin(editor, Select(2, 0));
    EXPECT_EQ(dialogs.LastMessage(), "Overwrite 'B' with 'X'?");
    EXPECT_EQ(Titles("Set.lvl")[1], answer == 1 ? "X" : "B");
    EXPECT_EQ(LevelBinTitles(editor.manage).size(), answer == 1 ? 0u : 1u);
  }
}

TEST_F(SlotCommandsTest, PasteNeedsBothSelections) {
  WriteSet({"A"});
  FillBin({"X"});
  PasteLevelFromBin(editor, Select(0, 0));
  EXPECT_EQ(dialogs.LastMessage(), "Select a space to paste into.");
  PasteLevelFromBin(editor, Select(1, -1));
  EXPECT_EQ(dialogs.LastMessage(), "Select a level from the bin that you wish to paste.");
  EXPECT_EQ(Titles("Set.lvl"), std::vector<std::string>{"A"});
}

TEST_F(SlotCommandsTest, CopyingFillsTheFirstFreeBinSlotAndNeverWritesTheCollection) {
  WriteSet({"A", kHolder});
  const std::string before = ReadWholeFile(file("Set.lvl")).value();
  EXPECT_EQ(CopyLevelToBin(editor, Select(1)).binPosition, 0);
  EXPECT_EQ(CopyLevelToBin(editor, Select(1)).binPosition, 1);
  EXPECT_FALSE(CopyLevelToBin(editor, Select(2)).refresh);  // a holder
  EXPECT_FALSE(CopyLevelToBin(editor, Select(3)).refresh);  // the free entry
  EXPECT_EQ(LevelBinTitles(editor.manage), (std::vector<std::string>{"A", "A"}));
  EXPECT_EQ(ReadWholeFile(file("Set.lvl")).value(), before);

  editor.manage.LevelBin[0].clear();
  EXPECT_EQ(FindFreeBinSlot(editor.manage), 1);
  EXPECT_EQ(BinSlotOfEntry(editor.manage, 0), 2);
  for (auto& slot : editor.manage.LevelBin) slot = "full";
  EXPECT_EQ(FindFreeBinSlot(editor.manage), 0);
  EXPECT_FALSE(CopyLevelToBin(editor, Select(1)).refresh);
}

TEST_F(SlotCommandsTest, DeletingFromTheBinAndClearingIt) {
  FillBin({"X", "Y", "Z"});
  EXPECT_EQ(DeleteBinLevel(editor, Select(0, 1)).binPosition, 1);
  EXPECT_EQ(LevelBinTitles(editor.manage), (std::vector<std::string>{"X", "Z"}));
  DeleteBinLevel(editor, Select(0, -1));
  EXPECT_EQ(dialogs.LastMessage(), "Cannot delete this level from the clipboard.");
  ClearBin(editor);
  EXPECT_TRUE(LevelBinTitles(editor.manage).empty());
}

TEST_F(SlotCommandsTest, WithTheCollectionOpenInTheEditorTheInPlaceCommandsRefuse) {
  editor.level.LevelTitle = "Mine";
  editor.prefs.LevelFile = "Set.lvl";
  const std::string conflict = "Close the level in the editor before managing the same collection file.";
  for (const Command& command : {Command(InsertHolderSpace), Command(RemoveLevelSpace), Command(DeleteLevel), Up(false),
                                 Down(false)}) {
    WriteSet({"A", "B", "C"});
    dialogs.messages.clear();
    command(editor, Select(2));
    EXPECT_EQ(Titles("Set.lvl"), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(Shown(), std::vector<std::string>{conflict});
  }
  dialogs.messages.clear();
  CopyLevelToBin(editor, Select(1));
  PasteLevelFromBin(editor, Select(4, 0));
  dialogs.inputAnswers = {"Renamed"};
  RenameLevel(editor, Select(2));
  EXPECT_EQ(Titles("Set.lvl"), (std::vector<std::string>{"A", "Renamed", "C", "A"}));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SlotCommandsTest, ACollectionThatFailsToLoadIsNeverWritten) {
  std::filesystem::create_directory(file("Set.lvl"));  // reads fail: it is a folder
  for (const Command& command : {Command(InsertHolderSpace), Command(RemoveLevelSpace), Up(false)}) {
    dialogs.messages.clear();
    const ManageOutcome outcome = command(editor, {"Set.lvl", 2, 4, -1});
    EXPECT_FALSE(outcome.refresh);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.LastMessage().rfind("ERROR:  ", 0), 0u);
    EXPECT_NE(dialogs.LastMessage().find(". Cannot perform command."), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(file("Set.lvl")));
  }
}

TEST_F(SlotCommandsTest, LoadingStopsAtTheFirstEmptyRecordAndSavingWritesOnlyThat) {
  WriteRecords("Set.lvl", {LevelText("A"), LevelText("B"), "", LevelText("D"), LevelText("E")});
  LoadCollectionRecords(editor, "Set.lvl");
  EXPECT_EQ(editor.manage.ManageRecords.size(), 2u);
  SaveCollectionRecords(editor, "Set.lvl");
  EXPECT_EQ(std::filesystem::file_size(file("Set.lvl")), 2u * 10101u);
  EXPECT_EQ(LevelListEntries(editor.manage.ManageRecords),
            (std::vector<std::string>{"001   A", "002   B", "003   "}));
}

TEST(LevelListEntries, HoldersShowAsHolderEntriesAndAFullCollectionHasNoFreeEntry) {
  const auto entries = LevelListEntries({LevelText("A"), kHolder});
  EXPECT_EQ(entries, (std::vector<std::string>{"001   A", "002        [HOLDER]", "003   "}));
  EXPECT_FALSE(IsHolderEntry(entries[0]));
  EXPECT_TRUE(IsHolderEntry(entries[1]));
  EXPECT_FALSE(IsHolderEntry(entries[2]));
  const auto full = LevelListEntries(std::vector<std::string>(999, LevelText("A")));
  EXPECT_EQ(full.size(), 999u);
  EXPECT_EQ(full.back(), "999   A");
}

}  // namespace
}  // namespace brolt::editor
