#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "editor/model/collections/level_files.h"
#include "editor/model/commands/exit_editor.h"
#include "editor/model/commands/new_level.h"
#include "editor/model/commands/paste_mode_menus.h"
#include "editor/model/tools/rotate_selection.h"
#include "editor/support/collection_fixture.h"
#include "support/mounted_folder.h"

namespace brolt::editor {
namespace {

using LevelCommands = testing::CollectionFixture;

// A saved map is closed without a question; the new level has no slot, so that its first save goes
// through the dialog instead of over the level closed.
TEST_F(LevelCommands, ANewLevelIsBlankWithoutASlotAndHasNothingToUndo) {
  editor.prefs.CannonRateDefault = 7;
  editor.level.LevelNumber = 4;
  editor.level.LevelColor[1] = "9,9,9";  // nothing of the level closed stays
  editor.level.Cell(2, 2).TileCode = 5;
  editor.level.LevelSaved = true;
  NewLevel(editor);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(window.caption, (std::vector<std::string>{"Untitled", "(Unsaved)", "(Unavailable)"}));
  EXPECT_EQ(editor.level.LevelNumber, -1);
  EXPECT_EQ(editor.level.LevelColor[1], "0,0,0");
  EXPECT_EQ(editor.level.CannonRate, 7);
  EXPECT_EQ(editor.level.Cell(2, 2).TileCode, 0);
  EXPECT_EQ(editor.undo.Oldest, editor.undo.UndoIndex);
  EXPECT_EQ(editor.undo.Newest, editor.undo.UndoIndex);
}

TEST_F(LevelCommands, NewLevelAndExitKeepAnUnsavedMapOnCancelAndWhenItCannotBeSaved) {
  const std::string cannotSave = "Cannot save. Level is either missing Thresher and/or a Portal.";
  for (const auto& [command, question] : std::vector<std::pair<std::function<void(Editor&)>, std::string>>{
           {NewLevel, "Save changes before starting a new level?"}, {ExitEditor, "Save changes before exiting?"}}) {
    for (const int answer : {2, 0}) {  // Cancel; Yes, but there is no Portal
      editor.level.Cell(2, 2).TileCode = 5;
      editor.level.LevelSaved = false;
      dialogs.messages.clear();
      dialogs.buttonAnswers = {answer};
      command(editor);
      EXPECT_EQ(dialogs.messages.at(0).text, question);
      EXPECT_EQ(dialogs.LastMessage(), answer == 2 ? question : cannotSave) << question;
      EXPECT_EQ(editor.level.Cell(2, 2).TileCode, 5) << question << " " << answer;
      EXPECT_FALSE(window.ended);
      EXPECT_TRUE(editor.DefineDb);
    }
  }
}

TEST_F(LevelCommands, AFinishedExitRemovesThePreviewFileAndSavesThePreferences) {
  testing::RawDatabase(database).Execute(
      "create table Settings (Variable text, Value); insert into Settings values ('showgrid', -1)");
  editor.prefs.ShowGrid = true;
  WriteCollection(PreviewFilePath(editor), {"level", "1"});
  editor.level.Cell(2, 2).TileCode = 5;
  editor.level.LevelSaved = false;
  dialogs.buttonAnswers = {1};  // No: drop the map
  ExitEditor(editor);
  EXPECT_FALSE(std::filesystem::exists(PreviewFilePath(editor)));
  EXPECT_EQ(testing::RawDatabase(database).Column("select Value from Settings").at(0), "0");
  EXPECT_FALSE(editor.DefineDb);
  EXPECT_TRUE(window.ended);

  window.ended = false;  // an empty map never asks, a missing preview file is no error, a closed database no loss
  dialogs.messages.clear();
  editor.level = LevelState{};
  editor.level.LevelSaved = false;
  ExitEditor(editor);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(window.ended);
}

// A read-only folder refuses even the removal of a file that is not there: only a preview file that
// stays behind is worth a message.
TEST_F(LevelCommands, TheExitSpeaksOfThePreviewFileOnlyWhenOneStaysBehind) {
  testing::RawDatabase(database).Execute("create table Settings (Variable text, Value)");
  const auto preview = PreviewFilePath(editor);
  struct Case {
    const char* name;
    bool written;
    bool readOnly;
    std::string message;
  };
  for (const Case& c : std::vector<Case>{
           {"no preview file in a read-only folder", false, true, ""},
           {"a preview file removed", true, false, ""},
           {"a preview file in a read-only folder", true, true,
            "ERROR:  Read-only file system. Cannot delete " + preview.string() + "."}}) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(preview);
    if (c.written) WriteCollection(preview, {"level", "1"});
    dialogs.messages.clear();
    {
      testing::MountedFolder disk;
      if (c.readOnly) {
        const std::string refused = disk.MakeReadOnly(levels);
        if (!refused.empty()) GTEST_SKIP() << refused;
      }
      ExitEditor(editor);
      EXPECT_EQ(dialogs.LastMessage(), c.message);
      EXPECT_EQ(std::filesystem::exists(preview), c.written && c.readOnly);
    }
  }
}

TEST_F(LevelCommands, OnlySelectedRotatableTilesTurnAndOnlyATurnIsUndoable) {
  // Directions run 1..4 clockwise and wrap both ways.
  for (const auto& [mode, from, to] : std::vector<std::tuple<int, std::int16_t, std::int16_t>>{
           {kHalfTurn, 1, 3}, {kHalfTurn, 4, 2}, {kQuarterCounterClockwise, 1, 4}, {kQuarterCounterClockwise, 3, 2},
           {kQuarterClockwise, 1, 2}, {kQuarterClockwise, 4, 1}}) {
    ResetUndoRing(editor.undo, 5);
    editor.level.Cell(3, 4) = {5, from, 0, true};
    editor.level.Cell(6, 4) = {5, 1, 0, false};
    RotateSelection(editor, mode);
    EXPECT_EQ(editor.level.Cell(3, 4), (MapCell{5, to, 0, false})) << mode << " from " << from;
    EXPECT_EQ(editor.level.Cell(6, 4).Direction, 1);
    EXPECT_EQ(editor.undo.UndoIndex, 0);
  }
  ResetUndoRing(editor.undo, 5);
  editor.level.Cell(3, 4) = {7, 1, 0, true};  // cannot turn
  RotateSelection(editor, kQuarterClockwise);
  EXPECT_EQ(editor.level.Cell(3, 4), (MapCell{7, 1, 0, false}));
  EXPECT_EQ(editor.undo.UndoIndex, -1);
}

TEST_F(LevelCommands, ARotationInPasteModeAsksAndLeavingHidesThePasteMenus) {
  EnterPasteModeMenus(editor);
  editor.clipboard.PasteMode = true;
  editor.level.Cell(3, 4) = {5, 1, 0, true};
  for (const int answer : {2, 1}) {  // Cancel: nothing turns; OK: paste mode ends, then the turn
    dialogs.buttonAnswers = {answer};
    RotateSelection(editor, kQuarterClockwise);
    EXPECT_EQ(dialogs.LastMessage(), "This action will exit paste mode.");
    EXPECT_EQ(editor.level.Cell(3, 4).Direction, answer == 2 ? 1 : 2);
    EXPECT_EQ(editor.clipboard.PasteMode, answer == 2);
    EXPECT_EQ(window.pasteMenus, answer == 2);
  }
}

TEST_F(LevelCommands, ThePurgeDeletesOnlyCollectionsWithoutAnyLevel) {
  WriteCollection(Levels("empty.lvl"), {""});
  WriteCollection(Levels("zero.lvl"), {});
  WriteCollection(Levels("gap.lvl"), {"", "", LevelTitled("third")});
  WriteLevels("full.lvl", {"one"});
  WriteCollection(Levels("hidden.clvl"), {""});  // not a collection outside developer mode
  std::filesystem::create_directory(Levels("folder.lvl"));
  PurgeEmptyCollectionFiles(editor);
  for (const char* kept : {"gap.lvl", "full.lvl", "hidden.clvl", "folder.lvl"})
    EXPECT_TRUE(std::filesystem::exists(Levels(kept))) << kept;
  for (const char* gone : {"empty.lvl", "zero.lvl"}) EXPECT_FALSE(std::filesystem::exists(Levels(gone))) << gone;
}

}  // namespace
}  // namespace brolt::editor
