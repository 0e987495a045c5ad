// The editor's model driving the real game over a copy of the program folder: a designer's whole
// session, and a painted level previewed and played to its exit.
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

#if defined(BROLT_TEST_GAME_DIST_DIR)
constexpr int kSteelWall = 10;
const std::string kHeadless = "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy BROLT_NO_DIALOGS=1 BROLT_FIXED_FRAME_MS=16";

struct Finished {
  std::string output;
  int status = -1;
};

Finished RunCommand(const std::string& command) {
  Finished run;
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 256> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe)) run.output += buffer.data();
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// Runs the game to its end in its own folder, as the detached start would, and keeps what it printed.
class WaitingLauncher : public GameLauncher {
 public:
  std::string StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment) override {
    std::string command = "cd '" + program.parent_path().string() + "' &&";
    for (const std::string& entry : environment) command += " " + entry;
    command += " '" + program.string() + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    game = RunCommand(command);
    return {};
  }
  Finished game;
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

// An editor on a copy of the program folder of a build with the game and its content.
struct GameFolderEditor {
  testing::TempFolder folder;
  SessionDialogs dialogs;
  WaitingLauncher launcher;
  Editor editor;

  GameFolderEditor() {
    std::filesystem::copy(BROLT_TEST_GAME_DIST_DIR, folder.path(), std::filesystem::copy_options::recursive);
    editor.AppPath = folder.path();
    editor.ui.dialogs = &dialogs;
    editor.ui.launcher = &launcher;
    OpenDefinitionsDatabase(editor);
    LoadDefinitions(editor);
  }

  void Paint(int tile, int x, int y) {
    SelectTool(editor, kBrushTool, tile, false);
    PlaceTile(editor, x, y, true, false);
  }

  // Previews the level with Right held from frame 70 to frame `release`; the game ends at the exit
  // or after `frameLimit` frames and prints what it counted.
  void PreviewWalkingRight(int release, int frameLimit) {
    const std::filesystem::path keys = folder / "keys.txt";
    std::ofstream(keys) << "70 down Right\n" << release << " up Right\n";
    editor.GameEnvironment = {kHeadless, "BROLT_KEY_SCRIPT='" + keys.string() + "'",
                              "BROLT_QUIT_AFTER_FRAMES=" + std::to_string(frameLimit)};
    PreviewLevel(editor);
  }
  int FramesPlayed() const {
    const std::size_t at = launcher.game.output.find("frames=");
    return at == std::string::npos ? -1 : std::stoi(launcher.game.output.substr(at + 7));
  }
};

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
  const auto found = std::find(names.begin(), names.end(), name);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

TEST(DesignerSession, ALevelGoesFromTheBrushThroughACollectionAndCompilingIntoTheGame) {
  GameFolderEditor session;
  Editor& editor = session.editor;
  SessionDialogs& dialogs = session.dialogs;
  const std::filesystem::path levels = session.folder / "Levels";
  NewLevel(editor);

  // A walled room: on its floor the Thresher, a unid on his way and the exit portal behind it.
  for (int x = 2; x <= 12; ++x) {
    session.Paint(kSteelWall, x, 2);
    session.Paint(kSteelWall, x, 8);
  }
  for (int y = 3; y <= 7; ++y) {
    session.Paint(kSteelWall, 2, y);
    session.Paint(kSteelWall, 12, y);
  }
  session.Paint(kThresherTile, 4, 7);
  session.Paint(kUnidTile, 6, 7);
  session.Paint(kExitPortalTile, 8, 7);
  editor.level.TimeLimit = 90;

  // Saved into a new collection through the save dialog, and opened again through the load dialog.
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
  session.PreviewWalkingRight(110, 1200);
  const std::string& output = session.launcher.game.output;
  EXPECT_LT(session.FramesPlayed(), 1200) << "the preview did not end at the exit: " << output;
  EXPECT_NE(output.find("dead=0"), std::string::npos) << output;
  EXPECT_NE(output.find("unids_needed=0"), std::string::npos) << output;

  // The game opens level 1 of the compiled collection.
  editor.DefineDb.reset();
  {
    Database db(session.folder / "Define.qdm");
    RowSet rows(db, "KARVEL");
    for (int row = 0; row < rows.Count(); ++row) {
      rows.SetPosition(row);
      if (rows.Field("Variable").value_or("") == "levelcollection") rows.UpdateField("Value", "Designed.clvl");
    }
  }
  const Finished played = RunCommand(kHeadless + " BROLT_START_LEVEL=1 BROLT_QUIT_AFTER_FRAMES=30 '" +
                                (session.folder / "brolt").string() + "'");
  EXPECT_NE(played.output.find("level=1"), std::string::npos) << played.output;
}

TEST(PreviewPlay, TheGamePlaysThePaintedLevelAndEndsAtTheExit) {
  GameFolderEditor session;
  // The Thresher, and an exit portal two cells to his right: with no unid to collect it opens.
  session.Paint(kThresherTile, 5, 5);
  session.Paint(kExitPortalTile, 7, 5);
  session.editor.level.LevelTitle = "Painted";
  session.PreviewWalkingRight(100, 900);

  const Finished& game = session.launcher.game;
  EXPECT_TRUE(session.dialogs.messages.empty()) << session.dialogs.LastMessage();
  EXPECT_EQ(game.status, 0) << game.output;
  EXPECT_GT(session.FramesPlayed(), 70) << game.output;
  EXPECT_LT(session.FramesPlayed(), 900) << "the game did not end at the exit: " << game.output;
  EXPECT_NE(game.output.find("dead=0"), std::string::npos) << game.output;
}
#else
TEST(DesignerSession, NeedsTheGameProgram) { GTEST_SKIP() << "the game program is not part of this build"; }
#endif

}  // namespace
}  // namespace brolt::editor
