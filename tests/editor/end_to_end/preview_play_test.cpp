// The editor's preview played in the real game: a level painted with the brush, written by the
// preview command and played headless by the game program of the build, which ends at the exit.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "editor/model/brush_painting.h"
#include "editor/model/definitions_database.h"
#include "editor/model/game_launch.h"
#include "editor/model/game_launcher.h"
#include "editor/model/tool_selection.h"
#include "editor/support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

// Runs the game to its end, as the detached start would, and keeps what it printed.
class WaitingLauncher : public GameLauncher {
 public:
  std::string StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment) override {
    std::string command = "cd '" + program.parent_path().string() + "' &&";
    for (const std::string& entry : environment) command += " " + entry;
    command += " '" + program.string() + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
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

// The frame count the game printed as it ended.
int FramesPlayed(const std::string& output) {
  const std::size_t at = output.find("frames=");
  return at == std::string::npos ? -1 : std::stoi(output.substr(at + 7));
}

TEST(PreviewPlay, TheGamePlaysThePaintedLevelAndEndsAtTheExit) {
#if defined(BROLT_TEST_GAME_DIST_DIR)
  testing::TempFolder folder;
  std::filesystem::copy(BROLT_TEST_GAME_DIST_DIR, folder.path(), std::filesystem::copy_options::recursive);
  Editor editor;
  testing::ScriptedDialogs dialogs;
  WaitingLauncher launcher;
  editor.AppPath = folder.path();
  editor.ui.dialogs = &dialogs;
  editor.ui.launcher = &launcher;
  OpenDefinitionsDatabase(editor);
  LoadDefinitions(editor);

  // The Thresher, and an exit portal two cells to his right: with no unid to collect it opens.
  SelectTool(editor, kBrushTool, kThresherTile, false);
  PlaceTile(editor, 5, 5, true, false);
  SelectTool(editor, kBrushTool, kExitPortalTile, false);
  PlaceTile(editor, 7, 5, true, false);
  editor.level.LevelTitle = "Painted";

  const std::filesystem::path keys = folder.path() / "keys.txt";
  std::ofstream(keys) << "70 down Right\n100 up Right\n";
  editor.GameEnvironment = {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy", "BROLT_NO_DIALOGS=1",
                            "BROLT_FIXED_FRAME_MS=16", "BROLT_KEY_SCRIPT='" + keys.string() + "'",
                            "BROLT_QUIT_AFTER_FRAMES=900"};
  PreviewLevel(editor);

  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.LastMessage();
  EXPECT_EQ(launcher.exitStatus, 0) << launcher.output;
  const int frames = FramesPlayed(launcher.output);
  EXPECT_GT(frames, 70) << launcher.output;
  EXPECT_LT(frames, 900) << "the game did not end at the exit: " << launcher.output;
  EXPECT_NE(launcher.output.find("dead=0"), std::string::npos) << launcher.output;
#else
  GTEST_SKIP() << "the game program is not part of this build";
#endif
}

}  // namespace
}  // namespace brolt::editor
