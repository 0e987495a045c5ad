#include "editor/model/collection_lists.h"

#include <gtest/gtest.h>

#include "editor/support/collection_fixture.h"

namespace brolt::editor {
namespace {

using CollectionLists = testing::CollectionFixture;

TEST_F(CollectionLists, CompiledCollectionsAreListedOnlyInDeveloperMode) {
  WriteLevels("b.lvl", {"one"});
  WriteCollection(Levels("Empty.LVL"), {""});
  WriteCompiled("marked.lvl", {"one"});
  WriteLevels("game.clvl", {"one"});
  std::filesystem::create_directory(Levels("folder.lvl"));  // not a file
  WriteLevels("notes.txt", {"one"});
  WriteLevels(".b.lvl.Xy12Ab", {"one"});  // a write under way
  editor.prefs.LevelFile = "B.LVL";

  const CollectionFileList normal = ListCollectionFiles(editor, true, false);
  EXPECT_EQ(normal.Files, (std::vector<std::string>{"b.lvl", "Empty.LVL"}));
  EXPECT_EQ(normal.SelectedFile(), "b.lvl");

  editor.DeveloperMode = true;
  editor.prefs.LevelFile = "gone.lvl";
  const CollectionFileList developer = ListCollectionFiles(editor, true, false);
  EXPECT_EQ(developer.Files, (std::vector<std::string>{"b.lvl", "Empty.LVL", "game.clvl", "marked.lvl"}));
  EXPECT_EQ(developer.Selected, 0);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CollectionLists, WithNoCollectionTheListOffersToCreateOneUnlessQuiet) {
  EXPECT_TRUE(ListCollectionFiles(editor, true, true).Files.empty());
  EXPECT_EQ(dialogs.helpTopics, std::vector<std::string>{"gettingstarted"});
  EXPECT_TRUE(dialogs.messages.empty());

  dialogs.inputAnswers = {"first"};
  const CollectionFileList created = ListCollectionFiles(editor, false, false);
  EXPECT_EQ(dialogs.messages.at(0).text,
            "No level collections are present in the Levels folder. Click Ok to create one.");
  EXPECT_EQ(created.Files, std::vector<std::string>{"first.lvl"});
  EXPECT_EQ(created.Selected, 0);
  EXPECT_EQ(editor.prefs.LevelFile, "first.lvl");
}

TEST_F(CollectionLists, TheRollDownListHoldsTheCurrentCollectionWithTheLevelChosen) {
  WriteLevels("a.lvl", {"one", "two", "three"});
  editor.prefs.LevelFile = "a.lvl";
  editor.level.LevelNumber = 2;
  ShowLevelDropDown(editor, true);
  EXPECT_EQ(editor.collections.DropDownEntries, (std::vector<std::string>{"001   one", "002   two", "003   three"}));
  EXPECT_EQ(editor.collections.DropDownIndex, 1);
  EXPECT_EQ(window.dropDowns, 0);
  editor.level.LevelNumber = 7;
  ShowLevelDropDown(editor, false);
  EXPECT_EQ(editor.collections.DropDownIndex, -1);
  EXPECT_EQ(window.dropDowns, 1);
}

TEST_F(CollectionLists, TheCaptionCountsTheCollectionOnDisk) {
  window.caption = {"t", "n", "f"};
  editor.prefs.LevelFile = "a.lvl";
  UpdateLevelCaption(editor);  // no such collection: nothing changes
  EXPECT_EQ(window.caption, (std::vector<std::string>{"t", "n", "f"}));
  WriteLevels("a.lvl", {"one", "two", "three"});
  editor.level.LevelNumber = 3;
  editor.level.LevelTitle = "three";
  UpdateLevelCaption(editor);
  EXPECT_EQ(window.caption, (std::vector<std::string>{"three", "(3 of 3)", "a.lvl"}));
}

}  // namespace
}  // namespace brolt::editor
