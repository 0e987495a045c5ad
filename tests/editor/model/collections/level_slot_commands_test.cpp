#include "editor/model/collections/level_slot_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/file_io.h"
#include "editor/model/collections/collection_records.h"
#include "editor/model/collections/level_management.h"
#include "editor/support/levels_folder_editor.h"

namespace brolt::editor {
namespace {

using testing::LevelText;
using Command = std::function<ManageOutcome(Editor&, ManageSelection)>;
using Strings = std::vector<std::string>;

const std::string kHolder(kHolderRecord);

// Records which collection level management was shown on.
struct ManagingDialogs : testing::ScriptedDialogs {
  std::vector<std::string> managed;
  void ShowLevelManagement(std::string_view collectionFile) override { managed.emplace_back(collectionFile); }
};

class LevelManagement : public ::testing::Test, public testing::LevelsFolderEditor {
 protected:
  ManagingDialogs managing;
  LevelManagement() { editor.ui.dialogs = &managing; }

  // Writes Set.lvl with levels of these titles; kHolder stands for a holder space.
  void WriteSet(const Strings& titles) {
    std::vector<std::string> records;
    for (const auto& title : titles) records.push_back(title == kHolder ? kHolder : LevelText(title));
    WriteRecords("Set.lvl", records);
    managing.messages.clear();
  }
  ManageSelection Select(int level, int binEntry = -1) {
    return {"Set.lvl", level, std::min(static_cast<int>(Titles("Set.lvl").size()) + 1, 999), binEntry};
  }
  void FillBin(const Strings& titles) {
    editor.manage = {};
    for (std::size_t i = 0; i < titles.size(); ++i) editor.manage.LevelBin[i] = LevelText(titles[i]);
  }
  Command RenameTo(const std::string& typed) {
    return [this, typed](Editor& e, ManageSelection s) {
      managing.inputAnswers = {typed};
      return RenameLevel(e, s);
    };
  }
};

Command Up(bool keyboard) {
  return [keyboard](Editor& e, ManageSelection s) { return MoveLevelUp(e, s, keyboard); };
}
Command Down(bool keyboard) {
  return [keyboard](Editor& e, ManageSelection s) { return MoveLevelDown(e, s, keyboard); };
}
Command Paste(int binEntry) {
  return [binEntry](Editor& e, ManageSelection s) {
    s.binEntry = binEntry;
    return PasteLevelFromBin(e, s);
  };
}

TEST_F(LevelManagement, CommandsOnTheManagedCollection) {
  struct Case {
    std::string name;
    Strings before;
    Command command;
    int level;
    std::deque<int> answers;
    Strings after;
    std::string message;
    std::optional<int> selects = std::nullopt;  // only a move by button moves the selection
  };
  const Strings abc{"A", "B", "C"}, many(998, "M");
  const std::string invalid = "Invalid level title.", overwrite = "Overwrite 'B' with 'X'?";
  const std::string removeB = "Remove this level space containing 'B'?";
  const std::string full = "Cannot add any more levels. 999 is the maximum.";
  for (const Case& c : {
           Case{"insert before 1", abc, InsertHolderSpace, 1, {}, {kHolder, "A", "B", "C"}, ""},
           Case{"insert with none selected", abc, InsertHolderSpace, 0, {}, abc, "Cannot insert."},
           Case{"insert on the free entry", abc, InsertHolderSpace, 4, {}, abc, ""},
           Case{"insert into a full list", many, InsertHolderSpace, 1, {}, many, full},
           Case{"delete leaves a holder", abc, DeleteLevel, 2, {1}, {"A", kHolder, "C"}, "Delete 'B'?"},
           Case{"delete declined", abc, DeleteLevel, 2, {2}, abc, "Delete 'B'?"},
           Case{"delete a holder", {"A", kHolder}, DeleteLevel, 2, {}, {"A", kHolder}, ""},
           Case{"remove a holder closes the gap", {"A", kHolder, "C"}, RemoveLevelSpace, 2, {}, {"A", "C"}, ""},
           Case{"remove a level asks", abc, RemoveLevelSpace, 2, {1}, {"A", "C"}, removeB},
           Case{"remove declined", abc, RemoveLevelSpace, 2, {2}, abc, removeB},
           Case{"remove with none selected", abc, RemoveLevelSpace, 0, {}, abc, "Cannot remove."},
           Case{"up at the top", abc, Up(false), 1, {}, abc, "Cannot move level any higher!"},
           Case{"down at the bottom", abc, Down(false), 3, {}, abc, "Cannot move level any lower!"},
           Case{"up", abc, Up(false), 3, {}, {"A", "C", "B"}, "", 1},
           Case{"up by arrow key", abc, Up(true), 3, {}, {"A", "C", "B"}, ""},
           Case{"down", abc, Down(false), 1, {}, {"B", "A", "C"}, "", 1},
           Case{"down by arrow key", abc, Down(true), 1, {}, {"B", "A", "C"}, ""},
           Case{"down on the free entry", abc, Down(false), 4, {}, abc, ""},
           Case{"rename a holder", {kHolder}, RenameLevel, 1, {}, {kHolder}, "Cannot edit this level."},
           Case{"rename cancelled", {"A"}, RenameTo(""), 1, {}, {"A"}, invalid},
           Case{"rename to blanks", {"A"}, RenameTo("   "), 1, {}, {"A"}, invalid},
           Case{"rename to the default title", {"A"}, RenameTo("UNTITLED"), 1, {}, {"A"}, invalid},
           Case{"rename cut to 29", {"A"}, RenameTo(std::string(35, 'x')), 1, {}, {std::string(29, 'x')}, ""},
           Case{"paste over a level", {"A", "B"}, Paste(0), 2, {1}, {"A", "X"}, overwrite},
           Case{"paste over a level declined", {"A", "B"}, Paste(0), 2, {2}, {"A", "B"}, overwrite},
           Case{"paste onto a holder", {"A", kHolder}, Paste(0), 2, {}, {"A", "X"}, ""},
           Case{"paste with no space", {"A"}, Paste(0), 0, {}, {"A"}, "Select a space to paste into."},
           Case{"paste with no bin level", {"A"}, Paste(-1), 1, {}, {"A"},
                "Select a level from the bin that you wish to paste."},
       }) {
    WriteSet(c.before);
    FillBin({"X"});
    managing.buttonAnswers = c.answers;
    const ManageOutcome outcome = c.command(editor, Select(c.level));
    EXPECT_EQ(Titles("Set.lvl"), c.after) << c.name;
    EXPECT_EQ(managing.LastMessage(), c.message) << c.name;
    EXPECT_LE(managing.messages.size(), 1u) << c.name;
    EXPECT_EQ(outcome.refresh, c.after != c.before) << c.name;
    EXPECT_EQ(outcome.levelPosition, c.selects) << c.name;
    // A level leaves the bin only once it is in the collection.
    if (c.after == c.before) {
      EXPECT_EQ(LevelBinTitles(editor.manage), Strings{"X"}) << c.name;
    }
  }
}

TEST_F(LevelManagement, RenameCutsTo29AndPadsTo30KeepingTheRestOfTheRecord) {
  WriteSet({"A", "B"});
  const std::string before = ReadSlot(file("Set.lvl"), 1);
  const std::string typed = "Thirty Five Characters In This One";
  RenameTo(typed)(editor, Select(1));
  const std::string after = ReadSlot(file("Set.lvl"), 1);
  EXPECT_EQ(after.substr(0, 30), typed.substr(0, 29) + " ");
  EXPECT_EQ(after.substr(30), before.substr(30));
  EXPECT_EQ(managing.prompts, std::vector<std::string>{"Type a new level title below."});
}

TEST_F(LevelManagement, TheBinTakesCopiesIntoItsFirstFreeSlotAndGivesALevelUpOnlyOncePasted) {
  WriteSet({"A", kHolder, "C"});
  const std::string before = ReadWholeFile(file("Set.lvl")).value();
  FillBin({"W", "X", "Y", "Z"});
  EXPECT_EQ(DeleteBinLevel(editor, Select(0, 0)).binPosition, 2);
  EXPECT_EQ(CopyLevelToBin(editor, Select(1)).binPosition, 0);  // into the slot W left
  EXPECT_FALSE(CopyLevelToBin(editor, Select(2)).refresh);       // a holder
  EXPECT_FALSE(CopyLevelToBin(editor, Select(4)).refresh);       // the free entry
  EXPECT_EQ(ReadWholeFile(file("Set.lvl")).value(), before);
  EXPECT_EQ(PasteLevelFromBin(editor, Select(2, 2)).binPosition, 2);
  PasteLevelFromBin(editor, Select(4, 2));  // onto the free entry: appended
  EXPECT_EQ(Titles("Set.lvl"), (Strings{"A", "Y", "C", "Z"}));
  EXPECT_EQ(LevelBinTitles(editor.manage), (Strings{"A", "X"}));
  DeleteBinLevel(editor, Select(0, -1));
  EXPECT_EQ(managing.LastMessage(), "Cannot delete this level from the clipboard.");
  for (auto& slot : editor.manage.LevelBin) slot = "full";
  EXPECT_FALSE(CopyLevelToBin(editor, Select(1)).refresh);
  EXPECT_TRUE(ClearBin(editor).refresh);
  EXPECT_TRUE(LevelBinTitles(editor.manage).empty());
}

TEST_F(LevelManagement, ACollectionThatFailsToLoadIsNeverWritten) {
  std::filesystem::create_directory(file("Set.lvl"));  // reads fail: it is a folder
  for (const Command& command : {Command(InsertHolderSpace), Command(RemoveLevelSpace), Up(false)}) {
    managing.messages.clear();
    EXPECT_FALSE(command(editor, {"Set.lvl", 2, 4, -1}).refresh);
    ASSERT_EQ(managing.messages.size(), 1u);
    EXPECT_EQ(managing.LastMessage().rfind("ERROR:  ", 0), 0u);
    EXPECT_NE(managing.LastMessage().find(". Cannot perform command."), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(file("Set.lvl")));
  }
}

// Whether an entry is a holder is checked by the dialog, which refuses to close while one is listed.
TEST_F(LevelManagement, TheListStopsAtTheFirstEmptyRecordShowsHoldersAndEndsWithTheFreeEntryUnlessFull) {
  WriteRecords("Set.lvl", {LevelText("A"), kHolder, "", LevelText("D")});
  // Read to be written back, D would be lost: refused; read to be listed, it stops at the gap.
  EXPECT_FALSE(LoadCollectionRecords(editor, "Set.lvl"));
  EXPECT_EQ(LevelListEntries(ReadCollectionRecords(file("Set.lvl"))),
            (Strings{"001   A", "002        [HOLDER]", "003   "}));
  const auto full = LevelListEntries(Strings(999, LevelText("A")));
  EXPECT_EQ(full.size(), 999u);
  EXPECT_EQ(full.back(), "999   A");
}

TEST_F(LevelManagement, TheCurrentLevelIsClosedFirstWithTheDesignersConsent) {
  const std::string closeFirst = "The current level should be closed before you can edit this level collection.";
  const std::string ok = closeFirst + " Click Ok to continue.", save = closeFirst + " Save changes?";
  struct Case { bool saved; std::string title; int answer; std::string question; bool closed; };
  for (const Case& c : {Case{true, "Cave", 1, ok, true}, Case{true, "Cave", 2, ok, false},
                        Case{false, "Untitled", 1, "", true}, Case{false, "Cave", 1, save, true},
                        Case{false, "Cave", 2, save, false}}) {
    const std::string name = c.title + (c.saved ? ", saved, " : ", unsaved, ") + std::to_string(c.answer);
    editor.level = LevelState{};
    editor.level.Cell(1, 1).TileCode = 45;
    std::tie(editor.level.LevelSaved, editor.level.LevelTitle) = std::tie(c.saved, c.title);
    managing = {};
    managing.buttonAnswers = {c.answer};
    OpenLevelManagement(editor, "Set.lvl");
    EXPECT_EQ(managing.LastMessage(), c.question) << name;
    EXPECT_EQ(managing.managed.size(), c.closed ? 1u : 0u) << name;
    EXPECT_EQ(editor.level.LevelTitle, c.closed ? "Untitled" : "Cave") << name;
    // An untitled, unsaved map is closed without a word, and not emptied.
    EXPECT_EQ(editor.level.Cell(1, 1).TileCode, c.closed && c.title != "Untitled" ? 0 : 45) << name;
  }
}

TEST_F(LevelManagement, TheDialogStartsOnTheAskedCollectionOnlyInDeveloperMode) {
  const CollectionFileList list{{"A.lvl", "B.lvl", "C.lvl"}, 0};
  editor.prefs.LevelFile = "c.lvl";
  EXPECT_EQ(InitialManagedCollection(editor, "b.lvl", list), 0);
  editor.DeveloperMode = true;
  for (const auto& [asked, shown] : {std::pair{"b.lvl", 1}, {"", 2}, {"gone.lvl", 0}})
    EXPECT_EQ(InitialManagedCollection(editor, asked, list), shown) << asked;
}

}  // namespace
}  // namespace brolt::editor
