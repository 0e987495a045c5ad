#include "editor/model/game_launch.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/file_io.h"
#include "editor/support/levels_folder_editor.h"

namespace brolt::editor {
namespace {

using testing::LevelsFolderEditor;

class GameLaunchTest : public ::testing::Test, public LevelsFolderEditor {
 protected:
  GameLaunchTest() {
    std::ofstream(folder / "brolt") << "game";
    WriteLevels("Mine.lvl", {"One"});
  }
  std::string PreviewBytes() const { return ReadWholeFile(file("previewplay.tmp")).value_or("missing"); }
};

std::string Slot(const std::string& text) {
  std::string slot(10101, '\0');
  slot[0] = static_cast<char>(text.size() & 0xFF);
  slot[1] = static_cast<char>(text.size() >> 8);
  slot.replace(2, text.size(), text);
  return slot;
}

TEST_F(GameLaunchTest, PreviewFileHoldsTheLevelInParenthesesWithoutProgressAndTheMusicRecord) {
  struct Case {
    std::string title;
    bool mute;
    std::string titleField;
    std::string musicRecord;
  };
  const std::string longTitle = "Twenty Nine Characters Long!!";  // 29
  for (const Case& c : {Case{"Cave", false, "(Cave)", "0"}, Case{longTitle, true, "(" + longTitle.substr(0, 28) + ")", "1"}}) {
    editor.level.LevelTitle = c.title;
    editor.level.LevelColor = {"10,20,30", "255,0,1", "1,2,3", "4,5,6"};
    editor.level.LightRadius = 5;
    editor.level.TimeLimit = 120;
    editor.level.UnidAward = 7;
    editor.level.CannonRate = 3;
    editor.level.Cell(3, 2) = MapCell{1, 2, 0, false};
    editor.level.Cell(49, 49) = MapCell{45, 0, 0, true};
    editor.prefs.MuteMusic = c.mute;

    PreviewLevel(editor);

    std::string cells;
    for (int i = 0; i < 2500; ++i) cells += "0000";
    cells.replace(4 * (50 * 2 + 3), 4, "0012");
    cells.replace(4 * (50 * 49 + 49), 4, "0450");
    std::string header = c.titleField + std::string(30 - c.titleField.size(), ' ') + "010020030" + "05" + "120" +
                         std::string(22, ' ') + "255000001" + "001002003" + "004005006" + "  " + "07" + "03";
    EXPECT_EQ(PreviewBytes(), Slot(header + cells) + Slot(c.musicRecord)) << c.title;
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameLaunchTest, NoThresherAndNoMarkerRefusesWithoutFileOrGame) {
  editor.level.Cell(4, 4).TileCode = 9;
  PreviewLevel(editor);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "You must insert Thresher to preview a level.");
  EXPECT_EQ(dialogs.messages[0].helpKey, "cannotpreviewlevel");
  EXPECT_FALSE(std::filesystem::exists(file("previewplay.tmp")));
  EXPECT_TRUE(launcher.starts.empty());
}

TEST_F(GameLaunchTest, WithTheMarkerPlacedThePreviewHoldsOneThresherOnTheMarkersCell) {
  struct Case {
    std::vector<std::pair<int, int>> threshers;
    MapCell markerCell;
  };
  for (const Case& c : {Case{{}, MapCell{}}, Case{{{1, 1}, {30, 40}}, MapCell{}}, Case{{{7, 8}}, MapCell{12, 3, 0, false}},
                        Case{{{20, 21}}, MapCell{1, 4, 0, false}}}) {
    editor.level = LevelState{};
    for (auto [x, y] : c.threshers) editor.level.Cell(x, y).TileCode = kThresherTile;
    editor.level.Cell(20, 21) = c.markerCell.TileCode ? c.markerCell : editor.level.Cell(20, 21);
    editor.level.StartMarkerPlaced = true;
    editor.level.StartMarkerX = 20;
    editor.level.StartMarkerY = 21;
    const LevelMap before = editor.level.Map;

    const std::optional<LevelRecord> preview = BuildPreviewLevel(editor);

    ASSERT_TRUE(preview);
    for (int row = 0; row < 50; ++row)
      for (int column = 0; column < 50; ++column) {
        const bool marker = column == 20 && row == 21;
        EXPECT_EQ(preview->Cell(column, row).tileCode == kThresherTile, marker) << column << "," << row;
      }
    EXPECT_EQ(preview->Cell(20, 21).direction, c.markerCell.Direction);
    EXPECT_EQ(editor.level.Map, before);
  }
}

TEST_F(GameLaunchTest, TheGameStartsBesideTheEditorWithItsArguments) {
  editor.level.Cell(0, 0).TileCode = kThresherTile;
  editor.GameEnvironment = {"BROLT_NO_DIALOGS=1"};
  PreviewLevel(editor);
  LaunchGame(editor);
  ASSERT_EQ(launcher.starts.size(), 2u);
  EXPECT_EQ(launcher.starts[0].program, folder / "brolt");
  EXPECT_EQ(launcher.starts[0].arguments, std::vector<std::string>{"previewplay.tmp"});
  EXPECT_EQ(launcher.starts[0].environment, editor.GameEnvironment);
  EXPECT_EQ(launcher.starts[1].arguments, std::vector<std::string>{});
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameLaunchTest, AGameThatCannotStartIsReported) {
  struct Case {
    bool removeProgram;
    std::string failure;
    std::string reason;
  };
  for (const Case& c : {Case{true, "", "missing"}, Case{false, "Permission denied", "Permission denied"}}) {
    if (c.removeProgram) std::filesystem::remove(folder / "brolt");
    else std::ofstream(folder / "brolt") << "game";
    launcher.failure = c.failure;
    dialogs.messages.clear();
    LaunchGame(editor);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.LastMessage().rfind("ERROR:  ", 0), 0u);
    EXPECT_NE(dialogs.LastMessage().find(c.reason), std::string::npos) << dialogs.LastMessage();
    EXPECT_NE(dialogs.LastMessage().find(". Cannot start the game."), std::string::npos);
  }
}

TEST_F(GameLaunchTest, WithoutACollectionTheGameIsNotStartedAndTheDesignerIsTold) {
  std::filesystem::remove(file("Mine.lvl"));
  editor.level.Cell(0, 0).TileCode = kThresherTile;
  PreviewLevel(editor);
  LaunchGame(editor);
  EXPECT_TRUE(launcher.starts.empty());
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_NE(dialogs.LastMessage().find("at least one level collection"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(file("previewplay.tmp")));
}

}  // namespace
}  // namespace brolt::editor
