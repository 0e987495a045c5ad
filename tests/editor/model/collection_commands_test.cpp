#include "editor/model/collection_commands.h"

#include <gtest/gtest.h>

#include "editor/support/collection_fixture.h"
#include "support/file_size_limit.h"

namespace brolt::editor {
namespace {

using CollectionCommands = testing::CollectionFixture;

TEST(CollectionFileName, NormalModeMakesExactlyOneLvlAndUnusableNamesAreRefused) {
  struct Case {
    std::string typed;
    bool developer;
    std::optional<std::string> name;
  };
  for (const Case& c : {Case{"foo", false, "foo.lvl"}, Case{"foo.LVL", false, "foo.lvl"},
                        Case{"foo.lvl.lvl", false, "foo.lvl"}, Case{"foo.clvl", false, "foo.clvl.lvl"},
                        Case{"x/y", false, std::nullopt}, Case{"x\\y", false, std::nullopt},
                        Case{"a\tb", false, std::nullopt}, Case{"..", false, std::nullopt},
                        Case{".lvl", false, std::nullopt}, Case{"game.clvl", true, "game.clvl"},
                        Case{"Game.CLVL", true, "Game.CLVL"}, Case{"game.txt", true, std::nullopt},
                        Case{"game", true, std::nullopt}, Case{"...clvl", true, std::nullopt}})
    EXPECT_EQ(CollectionFileName(c.typed, c.developer), c.name) << c.typed;
}

TEST_F(CollectionCommands, NewCreatesAnEmptyFirstRecord) {
  dialogs.inputAnswers = {"foo"};
  EXPECT_EQ(NewCollectionFile(editor), "foo.lvl");
  ASSERT_TRUE(std::filesystem::exists(Levels("foo.lvl")));
  EXPECT_EQ(ReadSlot(Levels("foo.lvl"), 1), "");
  EXPECT_EQ(dialogs.prompts, std::vector<std::string>{"Type a new collection filename below."});
}

TEST_F(CollectionCommands, NewRefusesNamesInUseInAnyCaseListedOrHiddenAndUnusableNames) {
  WriteLevels("Foo.lvl", {"kept"});
  WriteCompiled("game.lvl", {"compiled"});  // never listed outside developer mode
  struct Case {
    std::string typed;
    std::string message;
  };
  for (const Case& c : {Case{"foo", "File already exists."}, Case{"FOO.LVL", "File already exists."},
                        Case{"game", "File already exists."}, Case{"x/y", "Cannot create this file."}}) {
    const std::string foo = Bytes("Foo.lvl"), game = Bytes("game.lvl");
    dialogs.inputAnswers = {c.typed};
    EXPECT_EQ(NewCollectionFile(editor), "") << c.typed;
    EXPECT_EQ(dialogs.LastMessage(), c.message) << c.typed;
    EXPECT_EQ(Bytes("Foo.lvl"), foo);
    EXPECT_EQ(Bytes("game.lvl"), game);
  }
  EXPECT_EQ(dialogs.messages.back().helpKey, "cannotcreatenewfile");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(levels), {}), 2);
}

TEST_F(CollectionCommands, RenameRefusesAnExistingTargetAndKeepsTheSource) {
  WriteLevels("a.lvl", {"one"});
  WriteLevels("b.lvl", {"two"});
  const std::string a = Bytes("a.lvl"), b = Bytes("b.lvl");
  dialogs.inputAnswers = {"B"};
  EXPECT_EQ(RenameCollectionFile(editor, "a.lvl"), "");
  EXPECT_EQ(dialogs.LastMessage(), "File already exists.");
  EXPECT_EQ(Bytes("a.lvl"), a);
  EXPECT_EQ(Bytes("b.lvl"), b);

  dialogs.inputAnswers = {"a"};  // the same name: nothing to do
  EXPECT_EQ(RenameCollectionFile(editor, "a.lvl"), "");
  EXPECT_EQ(Bytes("a.lvl"), a);

  dialogs.inputAnswers = {"c"};
  EXPECT_EQ(RenameCollectionFile(editor, "a.lvl"), "c.lvl");
  EXPECT_FALSE(std::filesystem::exists(Levels("a.lvl")));
  EXPECT_EQ(Bytes("c.lvl"), a);
}

TEST_F(CollectionCommands, DeveloperRenameConvertsBetweenCompiledAndUncompiled) {
  editor.DeveloperMode = true;
  WriteCompiled("game.clvl", {"one", "two"});
  dialogs.inputAnswers = {"plain.lvl"};
  ASSERT_EQ(RenameCollectionFile(editor, "game.clvl"), "plain.lvl");
  EXPECT_EQ(FieldText(ReadSlot(Levels("plain.lvl"), 1), level_field::CompiledMarker), "  ");
  EXPECT_EQ(CountFilledSlots(Levels("plain.lvl")), 2);  // the tag record is gone
  EXPECT_EQ(ReadSlot(Levels("plain.lvl"), 2), LevelTitled("two"));

  dialogs.inputAnswers = {"again.clvl"};
  ASSERT_EQ(RenameCollectionFile(editor, "plain.lvl"), "again.clvl");
  EXPECT_EQ(FieldText(ReadSlot(Levels("again.clvl"), 1), level_field::CompiledMarker), "zq");
  EXPECT_EQ(ReadSlot(Levels("again.clvl"), 2), LevelTitled("two"));
}

TEST_F(CollectionCommands, AWriteCutOffHalfWayLeavesTheSourceByteForByte) {
  editor.DeveloperMode = true;
  WriteCompiled("game.clvl", {"one", "two", "three"});
  const std::string before = Bytes("game.clvl");
  dialogs.inputAnswers = {"plain.lvl"};
  {
    testing::FileSizeLimit limit(kSlotLength * 2);
    EXPECT_EQ(RenameCollectionFile(editor, "game.clvl"), "");
  }
  EXPECT_EQ(dialogs.LastMessage().rfind("ERROR:  ", 0), 0u) << dialogs.LastMessage();
  EXPECT_NE(dialogs.LastMessage().find("Cannot rename file."), std::string::npos);
  EXPECT_EQ(Bytes("game.clvl"), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(levels), {}), 1);  // no temporary left
}

TEST_F(CollectionCommands, DeleteAsksAndTheLevelInTheEditorGuardsItsCollection) {
  WriteLevels("a.lvl", {"one"});
  dialogs.buttonAnswers = {2};
  EXPECT_EQ(DeleteCollectionFile(editor, "a.lvl"), "");
  EXPECT_EQ(dialogs.messages.back().helpKey, "deletelevelfile");
  EXPECT_TRUE(std::filesystem::exists(Levels("a.lvl")));

  editor.prefs.LevelFile = "a.lvl";
  editor.level.LevelTitle = "one";
  EXPECT_EQ(DeleteCollectionFile(editor, "a.lvl"), "");
  EXPECT_EQ(dialogs.LastMessage(), "Close the level in the editor before managing the same collection file.");
  EXPECT_FALSE(CheckCollectionInEditor(editor, "A.lvl"));  // compared exactly
  editor.level.LevelTitle = "Untitled";
  EXPECT_FALSE(CheckCollectionInEditor(editor, "a.lvl"));

  EXPECT_EQ(DeleteCollectionFile(editor, "a.lvl"), "ok");
  EXPECT_FALSE(std::filesystem::exists(Levels("a.lvl")));
  EXPECT_EQ(DeleteCollectionFile(editor, "a.lvl"), "");
  EXPECT_EQ(dialogs.LastMessage().rfind("ERROR:  ", 0), 0u);
}

}  // namespace
}  // namespace brolt::editor
