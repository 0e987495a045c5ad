#include "editor/model/compile_collection.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "editor/support/levels_folder_editor.h"
#include "support/file_size_limit.h"

namespace brolt::editor {
namespace {

using testing::LevelsFolderEditor;

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

class CompileTest : public ::testing::Test, public LevelsFolderEditor {
 protected:
  CompileChoices Choose(const std::string& file, int open) {
    CompileChoices choices;
    choices.file = file;
    choices.openLevels = open;
    choices.introduction = "Welcome";
    choices.congratulations = "Well done";
    return choices;
  }
  void WritePlayed(const std::string& name, int count) {
    std::vector<std::string> records;
    for (int i = 1; i <= count; ++i) records.push_back(PlayedLevel("Level " + std::to_string(i)));
    WriteRecords(name, records);
  }
  std::string Bytes(const std::string& name) const { return ReadWholeFile(file(name)).value_or("missing"); }
};

TEST_F(CompileTest, FiveLevelsWithThreeOpen) {
  WritePlayed("Set.lvl", 5);
  const std::string source = Bytes("Set.lvl");

  ASSERT_TRUE(CompileChosenCollection(editor, Choose("Set.lvl", 3)));

  const std::string openStates[] = {"1", "1", "1", "0", "0"};
  for (long slot = 1; slot <= 5; ++slot) {
    const std::string record = ReadSlot(file("Set.clvl"), slot);
    const std::string played = ReadSlot(file("Set.lvl"), slot);
    ASSERT_EQ(record.size(), 10099u) << slot;
    EXPECT_EQ(record.substr(0, 44), played.substr(0, 44)) << slot;
    EXPECT_EQ(record.substr(44, 5), "     ") << slot;
    EXPECT_EQ(record.substr(49, 1), openStates[slot - 1]) << slot;
    EXPECT_EQ(record.substr(50, 9), "00:00 00 ") << slot;
    EXPECT_EQ(record.substr(62, 2), slot == 1 ? "zq" : "  ") << slot;
    EXPECT_EQ(record.substr(66), played.substr(66)) << slot;
  }
  EXPECT_EQ(ReadSlot(file("Set.clvl"), 6), EncodeTagRecord("Welcome", "Well done"));
  EXPECT_EQ(ReadSlot(file("Set.clvl"), 7), "");
  EXPECT_EQ(Bytes("Set.lvl"), source);
  EXPECT_EQ(dialogs.LastMessage(), "\"Set.clvl\" compiled successfully. You can e-mail this collection to your "
                                   "friends and share your levels with every Brolt player.");
}

TEST_F(CompileTest, CompilingACompiledCollectionAgainRebuildsItFromItsOwnLevels) {
  WritePlayed("Set.lvl", 2);
  ASSERT_TRUE(CompileChosenCollection(editor, Choose("Set.lvl", 1)));
  ASSERT_TRUE(CompileChosenCollection(editor, Choose("Set.clvl", 2)));
  EXPECT_EQ(ReadSlot(file("Set.clvl"), 2).substr(49, 1), "1");
  EXPECT_EQ(ReadSlot(file("Set.clvl"), 3), EncodeTagRecord("Welcome", "Well done"));
  EXPECT_EQ(ReadSlot(file("Set.clvl"), 4), "");
}

TEST_F(CompileTest, CollectionsThatCannotBeCompiledAreRefusedNamingTheLevel) {
  struct Case {
    std::vector<std::string> records;
    std::string message;
  };
  std::vector<std::string> full(999, PlayedLevel("Many"));
  for (const Case& c : {
           Case{{}, "Level 1 of \"Bad.lvl\" is empty or not a whole level, so the collection can't be compiled."},
           Case{{PlayedLevel("A"), "     [HOLDER]", PlayedLevel("C")},
                "Level 2 of \"Bad.lvl\" is empty or not a whole level, so the collection can't be compiled."},
           Case{full, "A collection to compile can hold at most 998 levels."},
       }) {
    WriteRecords("Bad.lvl", c.records);
    EXPECT_FALSE(CompileChosenCollection(editor, Choose("Bad.lvl", 1)));
    EXPECT_EQ(dialogs.LastMessage(), c.message);
    EXPECT_FALSE(std::filesystem::exists(file("Bad.clvl")));
  }
}

TEST_F(CompileTest, AFailedWriteLeavesTheOldCompiledFileAndClaimsNoSuccess) {
  WritePlayed("Set.lvl", 5);
  ASSERT_TRUE(CompileChosenCollection(editor, Choose("Set.lvl", 5)));
  const std::string before = Bytes("Set.clvl");
  dialogs.messages.clear();
  {
    testing::FileSizeLimit limit(3 * 10101);
    EXPECT_FALSE(CompileChosenCollection(editor, Choose("Set.lvl", 1)));
  }
  EXPECT_EQ(Bytes("Set.clvl"), before);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.LastMessage().rfind("ERROR:  ", 0), 0u);
  EXPECT_NE(dialogs.LastMessage().find(". Cannot compile level collection."), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(levels()), {}), 2);
}

TEST_F(CompileTest, AcceptingAsksBeforeReplacingACompiledFile) {
  struct Case {
    std::string file;
    bool targetExists;
    int answer;
    std::vector<std::string> messages;
    bool accepted;
  };
  const std::string overwrite = "Overwrite the existing compiled level collection file?";
  for (const Case& c : {Case{"", false, 1, {"Select a level to compile."}, false},
                        Case{"Set.lvl", false, 1, {}, true},
                        Case{"Set.lvl", true, 2, {overwrite}, false},
                        Case{"Set.lvl", true, 1, {overwrite}, true},
                        Case{"Set.clvl", true, 2, {overwrite}, false}}) {
    WritePlayed("Set.lvl", 1);
    std::filesystem::remove(file("Set.clvl"));
    if (c.targetExists) WritePlayed("Set.clvl", 1);
    dialogs.messages.clear();
    dialogs.buttonAnswers = {c.answer};
    EXPECT_EQ(AcceptCompileChoice(editor, c.file), c.accepted) << c.file;
    std::vector<std::string> shown;
    for (const auto& message : dialogs.messages) shown.push_back(message.text);
    EXPECT_EQ(shown, c.messages) << c.file << " " << c.targetExists;
  }
}

TEST(CompileDialogRules, PresetsClampsAndBaseNames) {
  EXPECT_EQ(OpenLevelsPreset(3), 1);
  EXPECT_EQ(OpenLevelsPreset(5), std::nullopt);
  EXPECT_EQ(OpenLevelsPreset(7), 3);
  EXPECT_EQ(OpenLevelsPreset(12), 5);
  struct Clamp {
    std::string text;
    int count;
    int expected;
  };
  for (const Clamp& c : {Clamp{"40", 12, 12}, Clamp{"0", 12, 1}, Clamp{"-3", 12, 1}, Clamp{"abc", 12, 1},
                         Clamp{"7", 12, 7}, Clamp{" 4", 12, 4}})
    EXPECT_EQ(ClampOpenLevels(c.text, c.count), c.expected) << c.text;
  EXPECT_EQ(CompileBaseName("Set.lvl"), "Set");
  EXPECT_EQ(CompileBaseName("Set.CLVL"), "Set");
}

// The compile dialog as a test answers it: records what it was offered and chooses as told.
struct ChoosingDialogs : testing::ScriptedDialogs {
  std::optional<CompileChoices> offered;
  bool accept = true;
  int openLevels = 2;
  bool ShowCompileDialog(CompileChoices& choices) override {
    offered = choices;
    choices.openLevels = openLevels;
    return accept;
  }
};

TEST_F(CompileTest, TheCommandOffersTheCollectionsAndCompilesTheChoice) {
  ChoosingDialogs choosing;
  editor.ui.dialogs = &choosing;
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

  choosing.accept = true;
  CompileCollection(editor);
  EXPECT_EQ(ReadSlot(file("B.clvl"), 2).substr(49, 1), "1");
  EXPECT_EQ(ReadSlot(file("B.clvl"), 3).substr(49, 1), "0");
}

}  // namespace
}  // namespace brolt::editor
