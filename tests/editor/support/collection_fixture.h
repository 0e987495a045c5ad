#pragma once
// An editor over a temporary program folder: a Levels folder, a definitions database with table
// Recent, scripted boxes and collection dialogs, and a main window that records what it was told.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/level_record.h"
#include "common/test_database.h"
#include "editor/model/collections/load_dialog_rules.h"
#include "editor/model/collections/save_dialog_rules.h"
#include "editor/model/editor.h"
#include "editor/support/recording_window.h"
#include "editor/support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace brolt::testing {

class ScriptedCollectionDialogs : public ScriptedDialogs {
 public:
  // What the designer does in the dialog; none cancels.
  std::function<bool(editor::SaveDialogState&)> saveDialog;
  std::function<bool(editor::LoadDialogState&)> loadDialog;
  int saveDialogsShown = 0;
  int loadDialogsShown = 0;

  bool ShowSaveDialog(editor::SaveDialogState& state) override {
    ++saveDialogsShown;
    return saveDialog && saveDialog(state);
  }
  bool ShowLoadDialog(editor::LoadDialogState& state) override {
    ++loadDialogsShown;
    return loadDialog && loadDialog(state);
  }
};

class CollectionFixture : public ::testing::Test {
 protected:
  CollectionFixture() {
    std::filesystem::create_directories(levels);
    RawDatabase(database).Execute("create table Recent (\"Index\" integer, File text, Level integer, Title text)");
    editor.AppPath = folder.path();
    editor.DefineDb = std::make_unique<Database>(database);
    editor.ui.dialogs = &dialogs;
    editor.ui.window = &window;
    editor.tiles.TileDefs[5].Rotate = true;
    ResetUndoRing(editor.undo, editor.prefs.UndoMax);
  }

  std::filesystem::path Levels(const std::string& name) const { return levels / name; }
  std::string Bytes(const std::string& name) const { return ReadWholeFile(Levels(name)).value_or("<missing>"); }

  // A level record with this title, a Thresher at (1, 1) and a Portal at (2, 1).
  static std::string LevelTitled(const std::string& title) {
    LevelRecord level;
    level.title = title;
    level.Cell(1, 1) = {1, 0};
    level.Cell(2, 1) = {9, 0};
    return EncodeLevelRecord(level);
  }
  // A collection of levels with these titles.
  void WriteLevels(const std::string& name, const std::vector<std::string>& titles) {
    std::vector<std::string> records;
    for (const std::string& title : titles) records.push_back(LevelTitled(title));
    WriteCollection(Levels(name), records);
  }
  // A compiled collection: the marker in record 1 and the tag record after the levels.
  void WriteCompiled(const std::string& name, const std::vector<std::string>& titles) {
    std::vector<std::string> records;
    for (const std::string& title : titles) records.push_back(LevelTitled(title));
    ReplaceField(records.front(), level_field::CompiledMarker, "zq");
    records.push_back(EncodeTagRecord("Welcome", "Well done"));
    WriteCollection(Levels(name), records);
  }
  // Makes the map savable: a Thresher and a Portal.
  void PlacePlayable() {
    editor.level.Cell(10, 11).TileCode = 1;
    editor.level.Cell(12, 13).TileCode = 9;
    editor.level.LevelSaved = false;
  }
  std::vector<std::optional<std::string>> RecentRows(const std::string& column) {
    return RawDatabase(database).Column("select " + column + " from Recent order by \"Index\"");
  }

  TempFolder folder;
  std::filesystem::path levels = folder.path() / "Levels";
  std::filesystem::path database = folder.path() / "Define.qdm";
  ScriptedCollectionDialogs dialogs;
  RecordingWindow window;
  editor::Editor editor;
};

}  // namespace brolt::testing
