#include <gtest/gtest.h>

#include "editor/model/collections/load_dialog_rules.h"
#include "editor/model/collections/save_dialog_rules.h"
#include "editor/model/commands/collection_commands.h"
#include "editor/model/commands/collection_lists.h"
#include "editor/support/collection_fixture.h"
#include "support/file_size_limit.h"

namespace brolt::editor {
namespace {

using Strings = std::vector<std::string>;

class Collections : public testing::CollectionFixture {
 protected:
  long FilesInLevels() const { return std::distance(std::filesystem::directory_iterator(levels), {}); }
  bool StartsAsError() const { return dialogs.LastMessage().rfind("ERROR:  ", 0) == 0; }
};

TEST_F(Collections, CompiledCollectionsAreListedOnlyInDeveloperMode) {
  WriteLevels("b.lvl", {"one"});
  WriteCollection(Levels("Empty.LVL"), {""});
  WriteCompiled("marked.lvl", {"one"});
  WriteLevels("game.clvl", {"one"});
  std::filesystem::create_directory(Levels("folder.lvl"));  // not a file
  WriteLevels("notes.txt", {"one"});
  WriteLevels(".b.lvl.Xy12Ab", {"one"});  // a write under way
  editor.prefs.LevelFile = "B.LVL";
  const CollectionFileList normal = ListCollectionFiles(editor, true, false);
  EXPECT_EQ(normal.Files, (Strings{"b.lvl", "Empty.LVL"}));
  EXPECT_EQ(normal.SelectedFile(), "b.lvl");

  editor.DeveloperMode = true;
  editor.prefs.LevelFile = "gone.lvl";
  const CollectionFileList developer = ListCollectionFiles(editor, true, false);
  EXPECT_EQ(developer.Files, (Strings{"b.lvl", "Empty.LVL", "game.clvl", "marked.lvl"}));
  EXPECT_EQ(developer.Selected, 0);
  EXPECT_TRUE(dialogs.messages.empty());
}

// Case twins made on another system: each is itself, never its twin, and after level management too.
TEST_F(Collections, OfTwoCollectionsDifferingOnlyInCaseTheOneSpelledExactlyIsChosen) {
  WriteLevels("A.lvl", {"Upper"});
  WriteLevels("a.lvl", {"Lower"});
  for (const std::string own : {"A.lvl", "a.lvl"}) {
    editor.prefs.LevelFile = own;
    EXPECT_EQ(ListCollectionFiles(editor, true, false).SelectedFile(), own);
    SaveDialogState saving;
    ReselectAfterManagement(editor, saving, own, 0);
    EXPECT_EQ(saving.File(), own);
    LoadDialogState loading;
    ReselectAfterManagement(editor, loading, own, 0);
    EXPECT_EQ(loading.File(), own);
  }
}

TEST_F(Collections, WithNoCollectionTheListOffersToCreateOneUnlessQuiet) {
  EXPECT_TRUE(ListCollectionFiles(editor, true, true).Files.empty());
  EXPECT_EQ(dialogs.helpTopics, Strings{"gettingstarted"});
  EXPECT_TRUE(dialogs.messages.empty());

  dialogs.inputAnswers = {"first"};
  const CollectionFileList created = ListCollectionFiles(editor, false, false);
  EXPECT_EQ(dialogs.messages.at(0).text,
            "No level collections are present in the Levels folder. Click Ok to create one.");
  EXPECT_EQ(created.SelectedFile(), "first.lvl");
  EXPECT_EQ(editor.prefs.LevelFile, "first.lvl");
}

TEST_F(Collections, TheRollDownListAndTheCaptionShowTheCollectionOnDisk) {
  window.caption = {"t", "n", "f"};
  editor.prefs.LevelFile = "a.lvl";
  editor.level.LevelTitle = "three";
  editor.level.LevelNumber = 3;
  UpdateLevelCaption(editor);  // no such collection: nothing changes
  EXPECT_EQ(window.caption, (Strings{"t", "n", "f"}));

  WriteLevels("a.lvl", {"one", "two", "three"});
  ShowLevelDropDown(editor, true);
  EXPECT_EQ(editor.collections.DropDownEntries, (Strings{"001   one", "002   two", "003   three"}));
  EXPECT_EQ(editor.collections.DropDownIndex, 2);
  EXPECT_EQ(window.dropDowns, 0);

  editor.level.LevelNumber = 7;  // no such slot
  ShowLevelDropDown(editor, false);
  EXPECT_EQ(editor.collections.DropDownIndex, -1);
  EXPECT_EQ(window.dropDowns, 1);
  UpdateLevelCaption(editor);
  EXPECT_EQ(window.caption, (Strings{"three", "(Unsaved)", "a.lvl"}));
}

TEST(CollectionFileName, NormalModeMakesExactlyOneLvlAndUnusableNamesAreRefused) {
  const std::optional<std::string> refused;
  for (const auto& [typed, developer, name] : std::vector<std::tuple<std::string, bool, std::optional<std::string>>>{
           {"foo", false, "foo.lvl"}, {"foo.LVL", false, "foo.lvl"}, {"foo.lvl.lvl", false, "foo.lvl"},
           {"foo.clvl", false, "foo.clvl.lvl"}, {"x/y", false, refused}, {"x\\y", false, refused},
           {"a\tb", false, refused}, {"..", false, refused}, {".lvl", false, refused},
           {"game.clvl", true, "game.clvl"}, {"Game.CLVL", true, "Game.CLVL"}, {"game.txt", true, refused},
           {"game", true, refused}, {"...clvl", true, refused}})
    EXPECT_EQ(CollectionFileName(typed, developer), name) << typed;
}

TEST_F(Collections, NewRefusesNamesInUseInAnyCaseListedOrHiddenAndUnusableNames) {
  WriteLevels("Foo.lvl", {"kept"});
  WriteCompiled("game.lvl", {"compiled"});  // never listed outside developer mode
  const std::string foo = Bytes("Foo.lvl"), game = Bytes("game.lvl");
  for (const auto& [typed, message] : std::vector<std::pair<std::string, std::string>>{
           {"foo", "File already exists."}, {"FOO.LVL", "File already exists."}, {"game", "File already exists."},
           {"x/y", "Cannot create this file."}}) {
    dialogs.inputAnswers = {typed};
    EXPECT_EQ(NewCollectionFile(editor), "") << typed;
    EXPECT_EQ(dialogs.LastMessage(), message) << typed;
  }
  EXPECT_EQ(dialogs.messages.back().helpKey, "cannotcreatenewfile");
  EXPECT_EQ(Bytes("Foo.lvl"), foo);
  EXPECT_EQ(Bytes("game.lvl"), game);
  EXPECT_EQ(FilesInLevels(), 2);

  dialogs.inputAnswers = {"new"};
  EXPECT_EQ(NewCollectionFile(editor), "new.lvl");
  EXPECT_TRUE(std::filesystem::exists(Levels("new.lvl")));
  EXPECT_EQ(ReadSlot(Levels("new.lvl"), 1), "");
  EXPECT_EQ(dialogs.prompts.back(), "Type a new collection filename below.");
}

TEST_F(Collections, DeveloperRenameConvertsBetweenCompiledAndUncompiledAndACutOffOneLosesNothing) {
  editor.DeveloperMode = true;
  WriteCompiled("game.clvl", {"one", "two", "three"});
  const std::string before = Bytes("game.clvl");
  dialogs.inputAnswers = {"plain.lvl", "plain.lvl", "again.clvl"};
  {
    testing::FileSizeLimit limit(kSlotLength * 2);
    EXPECT_EQ(RenameCollectionFile(editor, "game.clvl"), "");
  }
  EXPECT_TRUE(StartsAsError()) << dialogs.LastMessage();
  EXPECT_NE(dialogs.LastMessage().find("Cannot rename file."), std::string::npos);
  EXPECT_EQ(Bytes("game.clvl"), before);
  EXPECT_EQ(FilesInLevels(), 1);  // no temporary left

  ASSERT_EQ(RenameCollectionFile(editor, "game.clvl"), "plain.lvl");
  EXPECT_EQ(FieldText(ReadSlot(Levels("plain.lvl"), 1), level_field::CompiledMarker), "  ");
  EXPECT_EQ(CountFilledSlots(Levels("plain.lvl")), 3);  // the tag record is gone
  EXPECT_EQ(ReadSlot(Levels("plain.lvl"), 2), LevelTitled("two"));

  ASSERT_EQ(RenameCollectionFile(editor, "plain.lvl"), "again.clvl");
  EXPECT_EQ(FieldText(ReadSlot(Levels("again.clvl"), 1), level_field::CompiledMarker), "zq");
  EXPECT_EQ(ReadSlot(Levels("again.clvl"), 2), LevelTitled("two"));
}

TEST_F(Collections, DeleteAsksAndTheLevelInTheEditorGuardsItsCollection) {
  WriteLevels("a.lvl", {"one"});
  dialogs.buttonAnswers = {2};
  EXPECT_EQ(DeleteCollectionFile(editor, "a.lvl"), "");
  EXPECT_EQ(dialogs.LastMessage(),
            "There is no undo when deleting collection files. Are you sure you wish to delete 'a.lvl'?");
  EXPECT_EQ(dialogs.messages.back().helpKey, "deletelevelfile");
  EXPECT_TRUE(std::filesystem::exists(Levels("a.lvl")));

  editor.prefs.LevelFile = "A.LVL";
  editor.level.LevelNumber = 1;  // whatever the title
  EXPECT_EQ(DeleteCollectionFile(editor, "a.lvl"), "");
  EXPECT_EQ(dialogs.LastMessage(), "Close the level in the editor before managing the same collection file.");
  editor.level.LevelNumber = -1;  // a new level guards nothing
  EXPECT_EQ(DeleteCollectionFile(editor, "a.lvl"), "ok");
  EXPECT_FALSE(std::filesystem::exists(Levels("a.lvl")));
  WriteLevels("notes.txt", {"one"});
  for (const char* name : {"a.lvl", "notes.txt", "../Define.qdm", "."}) {  // only collection files of the folder
    EXPECT_EQ(DeleteCollectionFile(editor, name), "") << name;
    EXPECT_TRUE(StartsAsError()) << name;
  }
  EXPECT_TRUE(std::filesystem::exists(Levels("notes.txt")));
}

// The dialog's own test checks that choosing no level is refused and that choosing one draws it.
TEST_F(Collections, TheLoadDialogChoosesTheLevelBeingEditedRefusesTheTagAndPreviewsBySlot) {
  editor.tiles.TileDefs[1].Mini = 14;
  editor.tiles.TileDefs[9].Mini = 40;  // outside the 16 colours: clamped
  WriteCompiled("game.lvl", {"same", "same"});
  LevelRecord empty;
  empty.title = "No tiles";
  WriteCollection(Levels("b.lvl"), {LevelTitled("same"), EncodeLevelRecord(empty)});
  editor.DeveloperMode = true;
  editor.prefs.LevelFile = "GAME.lvl";
  editor.level.LevelNumber = 2;
  LoadDialogState state;
  ASSERT_TRUE(PrepareLoadDialog(editor, state));
  EXPECT_EQ(state.File(), "game.lvl");
  EXPECT_EQ(state.Levels, (Strings{"001   same", "002   same", "003   "}));
  EXPECT_EQ(state.LevelIndex, 1);
  state.LevelIndex = 2;  // the tag record
  EXPECT_FALSE(AcceptLoadDialog(editor, state));
  EXPECT_EQ(dialogs.LastMessage(), "Level 003 does not exist.");

  // The preview follows the file and the slot, not the title.
  state.LevelIndex = 0;
  ShowPreview(editor, state);
  EXPECT_EQ(state.Preview.Colours[51], 14);
  EXPECT_EQ(state.Preview.Colours[52], 15);
  EXPECT_EQ(state.Preview.Colours[0], -1);
  state.LevelIndex = 1;
  ShowPreview(editor, state);
  EXPECT_EQ(state.Preview.Slot, 2);
  state.FileIndex = 0;  // b.lvl
  ListLoadLevels(editor, state);
  state.LevelIndex = 1;
  ShowPreview(editor, state);
  EXPECT_TRUE(state.Preview.HasData);  // a map with no tile is still a level
  EXPECT_EQ(state.Preview.Colours[51], -1);
}

// The dialog's own test checks the free slot chosen at first and the title following the slot.
TEST_F(Collections, TheSaveDialogAsksBeforeOverwritingAndOffersNoSlotItCannotWrite) {
  WriteLevels("a.lvl", {"one", "two"});
  editor.level.LevelTitle = "Mine";
  SaveDialogState state;
  ASSERT_TRUE(PrepareSaveDialog(editor, state));
  EXPECT_TRUE(AcceptSaveDialog(editor, state));
  EXPECT_TRUE(dialogs.messages.empty());
  ChooseSaveSlot(editor, state, 1);
  dialogs.buttonAnswers = {2};
  EXPECT_FALSE(AcceptSaveDialog(editor, state));
  EXPECT_EQ(dialogs.LastMessage(), "Overwrite 'two'?");
  EXPECT_TRUE(AcceptSaveDialog(editor, state));
  const std::string noSlot = "Cannot save. Check that a level slot is selected.";
  // A level saved as "Untitled" would come back to this dialog at every save, to be written again.
  const char* invalid = "Invalid level title.";
  for (const auto& [title, slot, refusal] : {std::tuple{"  ", 1, invalid}, {"Untitled", 1, invalid},
                                             {"uNTITLED", 1, invalid}, {"untitled ", 1, invalid},
                                             {"  Untitled  ", 1, invalid}, {"ok", -1, noSlot.c_str()}}) {
    std::tie(state.Title, state.SlotIndex) = std::tuple(title, slot);
    EXPECT_FALSE(AcceptSaveDialog(editor, state)) << refusal;
    EXPECT_EQ(dialogs.LastMessage(), refusal);
  }

  // No free slot in a full or a compiled collection, nor the tag record's slot.
  WriteCollection(Levels("full.lvl"), Strings(999, LevelTitled("x")));
  WriteCollection(Levels("almost.lvl"), Strings(998, LevelTitled("x")));
  WriteCompiled("game.lvl", {"one"});
  editor.DeveloperMode = true;
  for (const auto& [file, entries, freeSlot] : std::vector<std::tuple<std::string, std::size_t, int>>{
           {"full.lvl", 999, 0}, {"almost.lvl", 999, 999}, {"game.lvl", 2, 0}}) {
    editor.prefs.LevelFile = file;
    ASSERT_TRUE(PrepareSaveDialog(editor, state));
    EXPECT_EQ(state.Slots.size(), entries) << file;
    EXPECT_EQ(state.FreeSlot, freeSlot) << file;
  }
  state.SlotIndex = 1;
  EXPECT_FALSE(AcceptSaveDialog(editor, state));
  EXPECT_EQ(dialogs.LastMessage(), noSlot);
}

// A collection made in management is there to choose after it, as the designer session's save shows.
TEST_F(Collections, AfterLevelManagementTheSameCollectionAndSlotAreChosenKeepingTheTypedTitle) {
  WriteLevels("a.lvl", {"one"});
  WriteLevels("B.lvl", {"one", "two"});
  SaveDialogState state;
  ASSERT_TRUE(PrepareSaveDialog(editor, state));
  ReselectAfterManagement(editor, state, "b.LVL", 1);
  EXPECT_EQ(state.File(), "B.lvl");
  EXPECT_EQ(state.SlotIndex, 1);
  ReselectAfterManagement(editor, state, "gone.lvl", 1);
  EXPECT_EQ(state.File(), "a.lvl");
  state.Title = "Typed";
  ReselectAfterManagement(editor, state, "a.lvl", 1);  // the free slot
  EXPECT_EQ(state.SlotIndex, 1);
  EXPECT_EQ(state.Title, "Typed");
}

}  // namespace
}  // namespace brolt::editor
