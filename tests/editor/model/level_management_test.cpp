#include "editor/model/level_management.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/file_io.h"
#include "editor/support/levels_folder_editor.h"

namespace brolt::editor {
namespace {

using testing::LevelsFolderEditor;

// Records which collection level management was shown on, and lets a test change the file meanwhile.
struct ManagingDialogs : testing::ScriptedDialogs {
  std::vector<std::string> managed;
  std::function<void()> whileOpen;
  void ShowLevelManagement(std::string_view collectionFile) override {
    managed.emplace_back(collectionFile);
    if (whileOpen) whileOpen();
  }
};

class LevelManagementTest : public ::testing::Test, public LevelsFolderEditor {
 protected:
  ManagingDialogs managing;
  LevelManagementTest() { editor.ui.dialogs = &managing; }
};

TEST_F(LevelManagementTest, TheCurrentLevelIsClosedFirstWithTheDesignersConsent) {
  const std::string closeFirst = "The current level should be closed before you can edit this level collection.";
  struct Case {
    std::string name;
    bool saved;
    std::string title;
    int answer;
    std::string question;
    bool shown;
    std::string titleAfter;
  };
  for (const Case& c : {
           Case{"saved, OK", true, "Cave", 1, closeFirst + " Click Ok to continue.", true, "Untitled"},
           Case{"saved, Cancel", true, "Cave", 2, closeFirst + " Click Ok to continue.", false, "Cave"},
           Case{"unsaved untitled", false, "Untitled", 1, "", true, "Untitled"},
           Case{"unsaved, No", false, "Cave", 1, closeFirst + " Save changes?", true, "Untitled"},
           Case{"unsaved, Cancel", false, "Cave", 2, closeFirst + " Save changes?", false, "Cave"},
       }) {
    editor.level = LevelState{};
    editor.level.Cell(1, 1).TileCode = 45;
    editor.level.LevelSaved = c.saved;
    editor.level.LevelTitle = c.title;
    managing.messages.clear();
    managing.managed.clear();
    managing.buttonAnswers = {c.answer};

    OpenLevelManagement(editor, "Set.lvl");

    EXPECT_EQ(managing.messages.empty() ? "" : managing.messages[0].text, c.question) << c.name;
    EXPECT_EQ(managing.managed.size(), c.shown ? 1u : 0u) << c.name;
    EXPECT_EQ(editor.level.LevelTitle, c.titleAfter) << c.name;
    EXPECT_EQ(editor.level.Cell(1, 1).TileCode, c.titleAfter == "Untitled" && c.title != "Untitled" ? 0 : 45)
        << c.name;
  }
}

TEST_F(LevelManagementTest, ALevelLeftOpenTakesTheTitleManagementPutInItsSlot) {
  WriteLevels("Set.lvl", {"A", "B"});
  editor.prefs.LevelFile = "Set.lvl";
  editor.level.LevelTitle = "Untitled";
  editor.level.LevelSaved = false;
  editor.level.LevelNumber = 2;
  managing.whileOpen = [&] { WriteLevels("Set.lvl", {"A", "Moved Here"}); };
  OpenLevelManagement(editor, "");
  EXPECT_EQ(editor.level.LevelTitle, "Moved Here");
}

TEST_F(LevelManagementTest, TheDialogStartsOnTheAskedCollectionOnlyInDeveloperMode) {
  const CollectionFileList list{{"A.lvl", "B.lvl", "C.lvl"}, 0};
  editor.prefs.LevelFile = "c.lvl";
  EXPECT_EQ(InitialManagedCollection(editor, "b.lvl", list), 0);
  editor.DeveloperMode = true;
  EXPECT_EQ(InitialManagedCollection(editor, "b.lvl", list), 1);
  EXPECT_EQ(InitialManagedCollection(editor, "", list), 2);
  EXPECT_EQ(InitialManagedCollection(editor, "gone.lvl", list), 0);
}

TEST_F(LevelManagementTest, TheHolderGuardNamesWhatItStops) {
  const std::vector<std::string> clean{"001   A", "002   "};
  const std::vector<std::string> holding{"001   A", "002        [HOLDER]", "003   "};
  EXPECT_FALSE(GuardHolderSpaces(editor, clean, HolderGuard::Closing));
  EXPECT_TRUE(managing.messages.empty());
  EXPECT_TRUE(GuardHolderSpaces(editor, holding, HolderGuard::Closing));
  EXPECT_EQ(managing.LastMessage(),
            "You must either fill or delete the [HOLDER] spaces before you can close level management.");
  EXPECT_TRUE(GuardHolderSpaces(editor, holding, HolderGuard::ChoosingCollection));
  EXPECT_EQ(managing.LastMessage(),
            "You must either fill or delete the [HOLDER] spaces before you can choose another level collection.");
}

TEST_F(LevelManagementTest, CopyAsksBeforeReplacingAnExistingCopy) {
  WriteLevels("x.lvl", {"A", "B"});
  EXPECT_EQ(CopyCollectionFile(editor, "x.lvl"), "Copy of x.lvl");
  EXPECT_EQ(Titles("Copy of x.lvl"), (std::vector<std::string>{"A", "B"}));
  EXPECT_TRUE(managing.messages.empty());

  WriteLevels("x.lvl", {"C"});
  managing.buttonAnswers = {2};
  EXPECT_EQ(CopyCollectionFile(editor, "x.lvl"), "");
  EXPECT_EQ(managing.LastMessage(), "'Copy of x.lvl' already exists. Replace it?");
  EXPECT_EQ(Titles("Copy of x.lvl"), (std::vector<std::string>{"A", "B"}));

  managing.buttonAnswers = {1};
  EXPECT_EQ(CopyCollectionFile(editor, "x.lvl"), "Copy of x.lvl");
  EXPECT_EQ(Titles("Copy of x.lvl"), std::vector<std::string>{"C"});
}

}  // namespace
}  // namespace brolt::editor
