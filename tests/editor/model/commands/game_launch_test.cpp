#include "editor/model/commands/game_launch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "common/file_io.h"
#include "editor/support/levels_folder_editor.h"

namespace brolt::editor {
namespace {

class GameLaunchTest : public ::testing::Test, public testing::LevelsFolderEditor {
 protected:
  GameLaunchTest() {
    std::ofstream(folder / "brolt") << "game";
    WriteLevels("Mine.lvl", {"One"});
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& message : dialogs.messages) texts.push_back(message.text);
    return texts;
  }
};

TEST_F(GameLaunchTest, PreviewFileHoldsTheLevelInParenthesesWithoutProgressAndTheMusicRecord) {
  LevelState& level = editor.level;
  level.LevelColor = {"10,20,30", "255,0,1", "1,2,3", "4,5,6"};
  std::tie(level.LightRadius, level.TimeLimit, level.UnidAward, level.CannonRate) = std::tuple(5, 120, 7, 3);
  level.Cell(3, 2) = MapCell{kThresherTile, 2, 0, false};
  level.Cell(49, 49) = MapCell{45, 0, 0, true};
  std::string cells;
  for (int i = 0; i < 2500; ++i) cells += "0000";
  cells.replace(4 * (50 * 2 + 3), 4, "0012");
  cells.replace(4 * (50 * 49 + 49), 4, "0450");
  const std::string longTitle = "Twenty Nine Characters Long!!";
  for (const bool mute : {false, true}) {
    level.LevelTitle = mute ? longTitle : "Cave";
    editor.prefs.MuteMusic = mute;
    PreviewLevel(editor);
    const std::string title = mute ? "(" + longTitle.substr(0, 28) + ")" : "(Cave)";
    const std::string header = title + std::string(30 - title.size(), ' ') + "010020030" + "05" + "120" +
                               std::string(22, ' ') + "255000001" + "001002003" + "004005006" + "  " + "07" + "03";
    EXPECT_EQ(ReadWholeFile(file("previewplay.tmp")).value_or("missing"),
              EncodeSlot(header + cells) + EncodeSlot(mute ? "1" : "0")) << mute;
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameLaunchTest, WithoutAThresherOrWithoutACollectionNothingIsWrittenOrStarted) {
  editor.level.Cell(4, 4).TileCode = 9;
  PreviewLevel(editor);
  EXPECT_EQ(dialogs.messages.at(0).helpKey, "cannotpreviewlevel");

  // The game would refuse to start without one in its Levels folder; the editor's own folder, when
  // "levelspath" names another, does not count.
  std::filesystem::create_directory(folder / "Mine");
  std::filesystem::rename(file("Mine.lvl"), folder / "Mine" / "Mine.lvl");
  editor.prefs.LevelsPath = "/Mine/";
  editor.level.Cell(0, 0).TileCode = kThresherTile;
  PreviewLevel(editor);
  LaunchGame(editor);
  const std::string noCollection =
      "The game needs at least one level collection in the Levels folder. Save a level into a collection first.";
  EXPECT_EQ(Messages(), (std::vector<std::string>{"You must insert Thresher to preview a level.", noCollection,
                                                  noCollection}));
  EXPECT_FALSE(std::filesystem::exists(file("previewplay.tmp")));
  EXPECT_TRUE(launcher.starts.empty());
}

TEST_F(GameLaunchTest, WithTheMarkerPlacedThePreviewHoldsOneThresherOnTheMarkersCell) {
  const struct {
    std::vector<std::pair<int, int>> threshers;
    MapCell markerCell;  // what the map holds under the marker
  } cases[] = {{{}, MapCell{}}, {{{1, 1}, {30, 40}}, MapCell{}}, {{{7, 8}}, MapCell{12, 3, 0, false}},
               {{{20, 21}}, MapCell{kThresherTile, 4, 0, false}}};
  for (const auto& c : cases) {
    editor.level = LevelState{};
    for (auto [x, y] : c.threshers) editor.level.Cell(x, y).TileCode = kThresherTile;
    if (c.markerCell.TileCode) editor.level.Cell(20, 21) = c.markerCell;
    std::tie(editor.level.StartMarkerPlaced, editor.level.StartMarkerX, editor.level.StartMarkerY) =
        std::tuple(true, 20, 21);
    const LevelMap before = editor.level.Map;

    const std::optional<LevelRecord> preview = BuildPreviewLevel(editor);

    ASSERT_TRUE(preview);
    EXPECT_EQ(std::ranges::count(preview->cells, kThresherTile, &CellText::tileCode), 1);
    EXPECT_EQ(preview->Cell(20, 21).tileCode, kThresherTile);
    EXPECT_EQ(preview->Cell(20, 21).direction, c.markerCell.Direction);
    EXPECT_EQ(editor.level.Map, before);
  }
}

// A launcher that also keeps the environment each program was given.
class EnvironmentLauncher : public testing::RecordingLauncher {
 public:
  std::vector<std::vector<std::string>> environments;
  std::string StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment) override {
    environments.push_back(environment);
    return RecordingLauncher::StartProgram(program, arguments, environment);
  }
};

// The game itself playing the preview is checked in the designer session.
TEST_F(GameLaunchTest, ThePreviewStartsTheGameBesideTheEditorWithItsFileAndTheEditorsEnvironment) {
  EnvironmentLauncher starting;
  editor.ui.launcher = &starting;
  editor.level.Cell(0, 0).TileCode = kThresherTile;
  editor.GameEnvironment = {"BROLT_NO_DIALOGS=1"};
  PreviewLevel(editor);
  ASSERT_EQ(starting.starts.size(), 1u);
  EXPECT_EQ(starting.starts[0].program, folder / "brolt");
  EXPECT_EQ(starting.starts[0].arguments, std::vector<std::string>{"previewplay.tmp"});
  EXPECT_EQ(starting.environments, std::vector<std::vector<std::string>>{editor.GameEnvironment});
}

TEST_F(GameLaunchTest, TheGameStartsFromTheGamesLevelsFolderWithoutArgumentsOrSaysWhyNot) {
  editor.prefs.LevelsPath = "/Elsewhere/";  // the game's Levels folder holds the collection
  LaunchGame(editor);
  ASSERT_EQ(launcher.starts.size(), 1u);
  EXPECT_EQ(launcher.starts[0].program, folder / "brolt");
  EXPECT_EQ(launcher.starts[0].arguments, std::vector<std::string>{});
  EXPECT_TRUE(dialogs.messages.empty());

  launcher.failure = "Permission denied";
  LaunchGame(editor);
  std::filesystem::remove(folder / "brolt");
  LaunchGame(editor);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "ERROR:  Permission denied. Cannot start the game.",
                            "ERROR:  The game program '" + (folder / "brolt").string() + "' is missing. Cannot start the game."}));
  EXPECT_EQ(launcher.starts.size(), 2u);
}

}  // namespace
}  // namespace brolt::editor
