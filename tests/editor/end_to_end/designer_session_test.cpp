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
#include "common/level_record.h"
#include "common/numeric.h"
#include "common/test_database.h"
#include "editor/model/collections/collection_records.h"
#include "editor/model/collections/compile_choices.h"
#include "editor/model/collections/level_management.h"
#include "editor/model/collections/level_slot_commands.h"
#include "editor/model/collections/load_dialog_rules.h"
#include "editor/model/collections/save_dialog_rules.h"
#include "editor/model/commands/collection_commands.h"
#include "editor/model/commands/compile_collection.h"
#include "editor/model/commands/game_launch.h"
#include "editor/model/commands/new_level.h"
#include "editor/model/commands/open_level.h"
#include "editor/model/commands/save_level.h"
#include "editor/model/services/definitions_database.h"
#include "editor/model/services/game_launcher.h"
#include "editor/model/tools/brush_painting.h"
#include "editor/model/tools/tool_selection.h"
#include "editor/support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

#if defined(BROLT_TEST_GAME_DIST_DIR)
constexpr int kSteelWall = 10;
const std::string kHeadless = "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy BROLT_NO_DIALOGS=1 BROLT_FIXED_FRAME_MS=16";

// Runs the game to its end in its own folder, as the detached start would, and keeps what it printed.
class WaitingLauncher : public GameLauncher {
 public:
  std::string StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment) override {
    std::string command = "cd '" + program.parent_path().string() + "' &&";
    for (const std::string& entry : environment) command += " " + entry;
    command += " '" + program.string() + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    output.clear();
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return "cannot run the game";
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe)) output += buffer.data();
    const int status = pclose(pipe);
    exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return {};
  }
  std::string output;
  int exitStatus = -1;
};

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

// The frame count the game printed as it ended.
int FramesPlayed(const std::string& output) {
  const std::size_t at = output.find("frames=");
  return at == std::string::npos ? -1 : std::stoi(output.substr(at + 7));
}

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
  const auto found = std::find(names.begin(), names.end(), name);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

TEST(DesignerSession, ALevelGoesFromTheBrushThroughACollectionAndCompilingIntoTheGame) {
  testing::TempFolder folder;
  std::filesystem::copy(BROLT_TEST_GAME_DIST_DIR, folder.path(), std::filesystem::copy_options::recursive);
  const std::filesystem::path levels = folder / "Levels";
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
  auto paint = [&editor](int tile, int x, int y) {
    SelectTool(editor, kBrushTool, tile, false);
    PlaceTile(editor, x, y, true, false);
  };
  for (int x = 2; x <= 12; ++x)
    for (int y = 2; y <= 8; ++y)
      if (x == 2 || x == 12 || y == 2 || y == 8) paint(kSteelWall, x, y);
  paint(kThresherTile, 4, 7);
  paint(kUnidTile, 6, 7);
  paint(kExitPortalTile, 8, 7);
  editor.level.TimeLimit = 90;

  // Saved into a new collection made in level management through the save dialog's "...", and
  // opened again through the load dialog.
  dialogs.inputAnswers = {"Designed"};
  dialogs.manage = [&editor](std::string_view) { EXPECT_EQ(NewCollectionFile(editor), "Designed.lvl"); };
  dialogs.save = [&editor](SaveDialogState& state) {
    ManageFromSaveDialog(editor, state);
    state.FileIndex = IndexOf(state.Files, "Designed.lvl");
    ListSaveSlots(editor, state);
    ChooseSaveSlot(editor, state, 0);
    state.Title = "First Steps";
    return AcceptSaveDialog(editor, state);
  };
  SaveLevel(editor, true);
  ASSERT_TRUE(editor.level.LevelSaved) << dialogs.LastMessage();
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

  // Previewed in the game: Right held from frame 70 walks four cells, collects the unid and reaches
  // the exit, which ends the game long before its frame limit.
  NewLevel(editor);
  OpenLevel(editor, -1);
  const std::filesystem::path keys = folder / "keys.txt";
  std::ofstream(keys) << "70 down Right\n110 up Right\n";
  editor.GameEnvironment = {kHeadless, "BROLT_KEY_SCRIPT='" + keys.string() + "'", "BROLT_QUIT_AFTER_FRAMES=1200"};
  dialogs.messages.clear();
  PreviewLevel(editor);
  const std::string& output = launcher.output;
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.LastMessage();
  EXPECT_EQ(launcher.exitStatus, 0) << output;
  EXPECT_GT(FramesPlayed(output), 70) << output;
  EXPECT_LT(FramesPlayed(output), 1200) << "the preview did not end at the exit: " << output;
  EXPECT_NE(output.find("dead=0"), std::string::npos) << output;
  EXPECT_NE(output.find("unids_needed=0"), std::string::npos) << output;

  // The game opens level 1 of the compiled collection.
  editor.DefineDb.reset();
  testing::RawDatabase(folder / "Define.qdm")
      .Execute("UPDATE KARVEL SET Value = 'Designed.clvl' WHERE Variable = 'levelcollection'");
  launcher.StartProgram(folder / "brolt", {}, {kHeadless, "BROLT_START_LEVEL=1", "BROLT_QUIT_AFTER_FRAMES=30"});
  EXPECT_NE(launcher.output.find("level=1"), std::string::npos) << launcher.output;
}
#else
TEST(DesignerSession, NeedsTheGameProgram) { GTEST_SKIP() << "the game program is not part of this build"; }
#endif

}  // namespace
}  // namespace brolt::editor
