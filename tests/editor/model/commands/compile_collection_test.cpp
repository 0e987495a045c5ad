#include "editor/model/commands/compile_collection.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "editor/support/levels_folder_editor.h"
#include "support/file_size_limit.h"

namespace brolt::editor {
namespace {

// A level as the game leaves it in a played collection: a holder, a solved state and a best time.
std::string PlayedLevel(const std::string& title) {
  LevelRecord level;
  level.title = title;
  level.bestTimeHolder = "ABCDE";
  level.openState = '2';
  level.bestTime = "01:02:03 ";
  level.unidAward = 12;
  level.cannonRate = 34;
  level.colours[3] = {7, 8, 9};
  level.Cell(49, 49).tileCode = 9;
  return EncodeLevelRecord(level);
}

// The compile dialog as a test answers it: records what it was offered and chooses as told.
struct ChoosingDialogs : testing::ScriptedDialogs {
  std::optional<CompileChoices> offered;
  bool accept = true;
  bool ShowCompileDialog(CompileChoices& choices) override {
    offered = choices;
    choices.openLevels = 2;
    return accept;
  }
};

class CompileTest : public ::testing::Test, public testing::LevelsFolderEditor {
 protected:
  ChoosingDialogs choosing;
  CompileTest() { editor.ui.dialogs = &choosing; }

  bool Compile(const std::string& file, int open) {
    return CompileChosenCollection(editor, {{}, file, open, "Welcome", "Well done"});
  }
  void WritePlayed(const std::string& name, int count) {
    std::vector<std::string> records;
    for (int i = 1; i <= count; ++i) records.push_back(PlayedLevel("Level " + std::to_string(i)));
    WriteRecords(name, records);
  }
  std::string Bytes(const std::string& name) const { return ReadWholeFile(file(name)).value_or("missing"); }
  std::string OpenState(const std::string& name, long slot) const { return ReadSlot(file(name), slot).substr(49, 1); }
};

TEST_F(CompileTest, OpensTheFirstLevelsClearsBestTimesMarksRecordOneAndEndsWithTheTag) {
  WritePlayed("Set.lvl", 5);
  const std::string source = Bytes("Set.lvl");
  ASSERT_TRUE(Compile("Set.lvl", 3));
  for (long slot = 1; slot <= 5; ++slot) {
    const std::string record = ReadSlot(file("Set.clvl"), slot), played = ReadSlot(file("Set.lvl"), slot);
    ASSERT_EQ(record.size(), 10099u) << slot;
    EXPECT_EQ(record.substr(0, 44), played.substr(0, 44)) << slot;
    EXPECT_EQ(record.substr(44, 15), std::string("     ") + (slot <= 3 ? "1" : "0") + "00:00 00 ") << slot;
    EXPECT_EQ(record.substr(62, 2), slot == 1 ? "zq" : "  ") << slot;
    EXPECT_EQ(record.substr(66), played.substr(66)) << slot;
  }
  EXPECT_EQ(ReadSlot(file("Set.clvl"), 6), EncodeTagRecord("Welcome", "Well done"));
  EXPECT_EQ(ReadSlot(file("Set.clvl"), 7), "");
  EXPECT_EQ(Bytes("Set.lvl"), source);
  EXPECT_EQ(choosing.LastMessage(), "\"Set.clvl\" compiled successfully. You can e-mail this collection to your "
                                    "friends and share your levels with every Brolt player.");

  // Compiled again, from its own levels: the old tag record is no level.
  ASSERT_TRUE(Compile("Set.clvl", 5));
  EXPECT_EQ(OpenState("Set.clvl", 5), "1");
  EXPECT_EQ(ReadSlot(file("Set.clvl"), 6), EncodeTagRecord("Welcome", "Well done"));
  EXPECT_EQ(ReadSlot(file("Set.clvl"), 7), "");
}

TEST_F(CompileTest, CollectionsThatCannotBeCompiledAreRefusedNamingTheLevel) {
  const std::string notWhole = " of \"Bad.lvl\" is empty or not a whole level, so the collection can't be compiled.";
  for (const auto& [records, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{}, "Level 1" + notWhole},
           {{PlayedLevel("A"), "     [HOLDER]", PlayedLevel("C")}, "Level 2" + notWhole},
           {std::vector<std::string>(999, PlayedLevel("Many")), "A collection to compile can hold at most 998 levels."},
       }) {
    WriteRecords("Bad.lvl", records);
    EXPECT_FALSE(Compile("Bad.lvl", 1));
    EXPECT_EQ(choosing.LastMessage(), message);
    EXPECT_FALSE(std::filesystem::exists(file("Bad.clvl")));
  }
}

TEST_F(CompileTest, AFailedWriteLeavesTheOldCompiledFileAndClaimsNoSuccess) {
  WritePlayed("Set.lvl", 5);
  ASSERT_TRUE(Compile("Set.lvl", 5));
  const std::string before = Bytes("Set.clvl");
  choosing.messages.clear();
  {
    testing::FileSizeLimit limit(3 * 10101);
    EXPECT_FALSE(Compile("Set.lvl", 1));
  }
  EXPECT_EQ(Bytes("Set.clvl"), before);
  ASSERT_EQ(choosing.messages.size(), 1u);
  EXPECT_EQ(choosing.LastMessage().rfind("ERROR:  ", 0), 0u);
  EXPECT_NE(choosing.LastMessage().find(". Cannot compile level collection."), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(levels()), {}), 2);
}

// Answering Yes, and the dialog staying open on No, are checked with the compile dialog's widget
// (ui/collection_dialogs_test.cpp).
TEST_F(CompileTest, AcceptingAsksOnlyBeforeReplacingACompiledFile) {
  const std::string overwrite = "Overwrite the existing compiled level collection file?";
  for (const auto& [source, targetExists, message, accepted] :
       {std::tuple{"", false, "Select a level to compile.", false}, std::tuple{"Set.lvl", false, "", true},
        std::tuple{"Set.lvl", true, overwrite.c_str(), false},
        std::tuple{"Set.CLVL", true, overwrite.c_str(), false}}) {  // the same base name in any letters
    WritePlayed("Set.lvl", 1);
    std::filesystem::remove(file("Set.clvl"));
    if (targetExists) WritePlayed("Set.clvl", 1);
    choosing.messages.clear();
    choosing.buttonAnswers = {2};
    EXPECT_EQ(AcceptCompileChoice(editor, source), accepted) << source << " " << targetExists;
    EXPECT_EQ(choosing.LastMessage(), message) << source << " " << targetExists;
    EXPECT_LE(choosing.messages.size(), 1u);
  }
}

// The compile dialog's widget tests (ui/collection_dialogs_test.cpp) offer a collection of each kind
// and clamp typed counts; here are the counts where the preset changes.
TEST(CompileDialogRules, TheOpenCountPresetChangesAfterFourFiveAndNineLevels) {
  for (const auto& [records, preset] :
       std::vector<std::pair<int, std::optional<int>>>{{4, 1}, {5, std::nullopt}, {6, 3}, {9, 3}, {10, 5}})
    EXPECT_EQ(OpenLevelsPreset(records), preset) << records;
}

TEST_F(CompileTest, TheCommandOffersTheCollectionsAndCompilesTheChoice) {
  CompileCollection(editor);
  EXPECT_EQ(choosing.LastMessage(), "No level collections found to compile.");
  EXPECT_FALSE(choosing.offered);

  WritePlayed("A.lvl", 3);
  WritePlayed("B.lvl", 3);
  editor.prefs.LevelFile = "b.lvl";
  choosing.accept = false;
  CompileCollection(editor);
  ASSERT_TRUE(choosing.offered);
  EXPECT_EQ(choosing.offered->files, (std::vector<std::string>{"A.lvl", "B.lvl"}));
  EXPECT_EQ(choosing.offered->file, "B.lvl");
  EXPECT_FALSE(std::filesystem::exists(file("B.clvl")));

  choosing.accept = true;  // with two levels open
  CompileCollection(editor);
  EXPECT_EQ(OpenState("B.clvl", 2), "1");
  EXPECT_EQ(OpenState("B.clvl", 3), "0");
}

}  // namespace
}  // namespace brolt::editor
