// A designer's session over a copy of the program folder: a level painted with the brush, saved
// into a new collection, opened again, copied and moved in level management, compiled, previewed in
// the real game and played to its exit, and the compiled collection opened by the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "common/collection_file.h"
#include "common/database.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "editor/model/brush_painting.h"
#include "editor/model/collection_commands.h"
#include "editor/model/collection_records.h"
#include "editor/model/compile_choices.h"
#include "editor/model/compile_collection.h"
#include "editor/model/definitions_database.h"
#include "editor/model/game_launch.h"
#include "editor/model/game_launcher.h"
#include "editor/model/level_management.h"
#include "editor/model/level_slot_commands.h"
#include "editor/model/load_dialog_rules.h"
#include "editor/model/new_level.h"
#include "editor/model/open_level.h"
#include "editor/model/save_dialog_rules.h"
#include "editor/model/save_level.h"
#include "editor/model/tool_selection.h"
#include "editor/support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

constexpr int kSteelWall = 10;

// The designer's hand in every dialog of the session.
class SessionDialogs : public testing::ScriptedDialogs {
 public:
  std::function<bool(SaveDialogState&)> save;
  std::function<bool(LoadDialogState&)> load;
  std::function<bool(CompileChoices&)> compile;
  std::function<void(std::string_view)> manage;

  bool ShowSaveDialog(SaveDialogState& state) override { return save(state); }
  bool ShowLoadDialog(LoadDialogState& state) override { return load(state); }
  bool ShowCompileDialog(CompileChoices& choices) override { return compile(choices); }
  void ShowLevelManagement(std::string_view file) override { manage(file); }
};

// Runs the game to its end and keeps the line it printed.
class WaitingLauncher : public GameLauncher {
 public:
  std::string StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment) override {
    std::string command;
    for (const std::string& entry : environment) command += entry + " ";
    command += "'" + program.string() + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    output = Run(command);
    return {};
  }
  static std::string Run(const std::string& command) {
    std::string printed;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return printed;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe)) printed += buffer.data();
    pclose(pipe);
    return printed;
  }
  std::string output;
};

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
  const auto found = std::find(names.begin(), names.end(), name);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

void SetGameSetting(const std::filesystem::path& database, const std::string& key, const std::string& value) {
  Database db(database);
  RowSet rows(db, "KARVEL");
  for (int row = 0; row < rows.Count(); ++row) {
    rows.SetPosition(row);
    if (rows.Field("Variable").value_or("") == key) rows.UpdateField("Value", value);
  }
}

TEST(DesignerSession, ALevelGoesFromTheBrushThroughACollectionAndCompilingIntoTheGame) {
#if defined(BROLT_TEST_GAME_DIST_DIR)
  testing::TempFolder folder;
  std::filesystem::copy(BROLT_TEST_GAME_DIST_DIR, folder.path(), std::filesystem::copy_options::recursive);
  const std::filesystem::path levels = folder.path() / "Levels";
  SessionDialogs dialogs;
  WaitingLauncher launcher;
  Editor editor;
  editor.AppPath = folder.path();
  editor.ui.dialogs = &dialogs;
  editor.ui.launcher = &launcher;
  OpenDefinitionsDatabase(editor);
  LoadDefinitions(editor);
  NewLevel(editor);

  // A walled room: on its floor the Thresher, a unid on his way and the exit portal behind it.
  SelectTool(editor, kBrushTool, kSteelWall, false);
  for (int x = 2; x <= 12; ++x) {
    PlaceTile(editor, x, 2, true, false);
    PlaceTile(editor, x, 8, true, false);
  }
  for (int y = 3; y <= 7; ++y) {
    PlaceTile(editor, 2, y, true, false);
    PlaceTile(editor, 12, y, true, false);
  }
  for (const auto& [tile, x] : {std::pair{kThresherTile, 4}, std::pair{kUnidTile, 6}, std::pair{kExitPortalTile, 8}}) {
    SelectTool(editor, kBrushTool, tile, false);
    PlaceTile(editor, x, 7, true, false);
  }
  editor.level.TimeLimit = 90;

  // Saved into a new collection through the save dialog.
  dialogs.inputAnswers = {"Designed"};
  ASSERT_EQ(NewCollectionFile(editor), "Designed.lvl");
  dialogs.save = [&editor](SaveDialogState& state) {
    state.FileIndex = IndexOf(state.Files, "Designed.lvl");
    ListSaveSlots(editor, state);
    ChooseSaveSlot(editor, state, 0);
    state.Title = "First Steps";
    return AcceptSaveDialog(editor, state);
  };
  SaveLevel(editor, true);
  ASSERT_TRUE(editor.level.LevelSaved) << dialogs.LastMessage();
  EXPECT_EQ(CountFilledSlots(levels / "Designed.lvl"), 1);

  // Opened again through the load dialog.
  NewLevel(editor);
  dialogs.load = [&editor](LoadDialogState& state) {
    state.FileIndex = IndexOf(state.Files, "Designed.lvl");
    ListLoadLevels(editor, state);
    state.LevelIndex = 0;
    return true;
  };
  OpenLevel(editor, -1);
  EXPECT_EQ(editor.level.LevelTitle, "First Steps");
  EXPECT_EQ(editor.level.TimeLimit, 90);
  EXPECT_EQ(editor.level.Cell(6, 7).TileCode, kUnidTile);

  // Level management: the level copied through the bin into slot 2, then moved up.
  dialogs.manage = [&editor](std::string_view file) {
    LoadCollectionRecords(editor, file);
    ManageSelection selection{std::string(file), 1, 2, -1};
    CopyLevelToBin(editor, selection);
    selection.level = 2;
    selection.binEntry = 0;
    PasteLevelFromBin(editor, selection);
    selection = {std::string(file), 2, 3, -1};
    MoveLevelUp(editor, selection, false);
  };
  OpenLevelManagement(editor, "Designed.lvl");
  EXPECT_EQ(CountFilledSlots(levels / "Designed.lvl"), 2);
  EXPECT_EQ(TrimSpaces(FieldText(ReadSlot(levels / "Designed.lvl", 2), level_field::Title)), "First Steps");

  // Compiled with one level open.
  dialogs.compile = [](CompileChoices& choices) {
    choices.file = "Designed.lvl";
    choices.openLevels = 1;
    choices.introduction = "Two rooms to start with.";
    choices.congratulations = "Well done.";
    return true;
  };
  CompileCollection(editor);
  const std::filesystem::path compiled = levels / "Designed.clvl";
  ASSERT_EQ(CountFilledSlots(compiled), 3) << dialogs.LastMessage();
  EXPECT_TRUE(IsCompiledMarker(FieldText(ReadSlot(compiled, 1), level_field::CompiledMarker)));

  // Previewed in the game: four cells right collect the unid and reach the exit.
  NewLevel(editor);
  OpenLevel(editor, -1);
  const std::filesystem::path keys = folder.path() / "keys.txt";
  std::ofstream(keys) << "70 down Right\n110 up Right\n";
  const std::vector<std::string> headless = {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy", "BROLT_NO_DIALOGS=1",
                                             "BROLT_FIXED_FRAME_MS=16"};
  editor.GameEnvironment = headless;
  editor.GameEnvironment.push_back("BROLT_KEY_SCRIPT='" + keys.string() + "'");
  editor.GameEnvironment.push_back("BROLT_QUIT_AFTER_FRAMES=1200");
  PreviewLevel(editor);
  const std::size_t frames = launcher.output.find("frames=");
  ASSERT_NE(frames, std::string::npos) << launcher.output;
  EXPECT_LT(std::stoi(launcher.output.substr(frames + 7)), 1200) << "the preview did not end at the exit";
  EXPECT_NE(launcher.output.find("dead=0"), std::string::npos) << launcher.output;
  EXPECT_NE(launcher.output.find("unids_needed=0"), std::string::npos) << launcher.output;

  // The game opens level 1 of the compiled collection.
  editor.DefineDb.reset();
  SetGameSetting(folder.path() / "Define.qdm", "levelcollection", "Designed.clvl");
  std::string command;
  for (const std::string& entry : headless) command += entry + " ";
  const std::string played = WaitingLauncher::Run(command + "BROLT_START_LEVEL=1 BROLT_QUIT_AFTER_FRAMES=30 '" +
                                                  (folder.path() / "brolt").string() + "'");
  EXPECT_NE(played.find("level=1"), std::string::npos) << played;
#else
  GTEST_SKIP() << "the game program is not part of this build";
#endif
}

}  // namespace
}  // namespace brolt::editor
