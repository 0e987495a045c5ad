// The game program run whole, headless, on a copy of the program folder.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <sys/wait.h>

#include "common/collection_file.h"
#include "common/database.h"
#include "common/level_record.h"
#include "support/temp_folder.h"

namespace brolt {
namespace {

struct RunResult {
  int status = -1;
  std::string output;
};

class ProgramRunTest : public ::testing::Test {
 protected:
  ProgramRunTest() {
    std::filesystem::copy(BROLT_TEST_DIST_DIR, folder.path(), std::filesystem::copy_options::recursive);
  }

  RunResult Run(const std::string& environment, const std::string& arguments = "") {
    const std::string command = "cd '" + folder.path().string() +
                                "' && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy BROLT_NO_DIALOGS=1 "
                                "BROLT_FIXED_FRAME_MS=16 BROLT_SEED=7 " +
                                environment + " ./brolt " + arguments + " 2>/dev/null";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 256> buffer{};
    while (pipe && fgets(buffer.data(), buffer.size(), pipe)) result.output += buffer.data();
    const int status = pipe ? pclose(pipe) : -1;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
  }

  std::string Setting(const std::string& key) {
    Database database(folder / "Define.qdm");
    RowSet rows(database, "KARVEL");
    for (int row = 0; row < rows.Count(); ++row) {
      rows.SetPosition(row);
      if (rows.Field("Variable").value_or("") == key) return rows.Field("Value").value_or("");
    }
    return "<missing>";
  }

  testing::TempFolder folder;
};

TEST_F(ProgramRunTest, StartsOnTheDefaultContentRunsAndQuitsCleanly) {
  const auto shot = folder / "title.png";
  RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=120 BROLT_SCREENSHOT='" + shot.string() + "'");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.output.find("brolt: frames=120 level=1 dead=0"), std::string::npos) << run.output;
  EXPECT_TRUE(std::filesystem::exists(shot));
  EXPECT_EQ(Setting("packfile"), "Brolt.pak");
  EXPECT_EQ(Setting("gamespeed"), "6");
}

TEST_F(ProgramRunTest, APreviewEndsWhenTheThresherReachesTheExit) {
  LevelRecord level;
  level.title = "Walk out";
  level.colours = {RgbColour{255, 255, 255}, RgbColour{200, 100, 50}, RgbColour{50, 200, 100},
                   RgbColour{100, 50, 200}};
  level.lightRadius = 5;
  level.Cell(10, 39) = {1, 0};  // the Thresher at (10, 10), the exit two cells to his right
  level.Cell(12, 39) = {9, 0};
  for (int column = 8; column <= 14; ++column) level.Cell(column, 40) = {10, 0};
  WriteCollection(folder / "Levels" / "previewplay.tmp", {EncodePreviewRecord(level), EncodePreviewMusicRecord(true)});
  std::ofstream(folder / "keys.txt") << "# walk right once the level runs\n90 down Right\n";
  RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=600 BROLT_KEY_SCRIPT=keys.txt", "previewplay.tmp");
  EXPECT_EQ(run.status, 0);
  ASSERT_NE(run.output.find("brolt: frames="), std::string::npos) << run.output;
  const int frames = std::stoi(run.output.substr(run.output.find("frames=") + 7));
  EXPECT_LT(frames, 600) << run.output;
  EXPECT_EQ(ReadSlot(folder / "Levels" / "previewplay.tmp", 1), EncodePreviewRecord(level));
}

TEST_F(ProgramRunTest, PreviewOfTheFirstTutorialLevelShowsTheLitThresher) {
  const std::string level = ReadSlot(folder / "Levels" / "Tutorial.clvl", 1);
  WriteCollection(folder / "Levels" / "previewplay.tmp",
                  {EncodePreviewRecord(DecodeLevelRecord(level)), EncodePreviewMusicRecord(true)});
  std::filesystem::create_directories(BROLT_TEST_SHOTS_DIR);
  const std::filesystem::path shot = std::filesystem::path(BROLT_TEST_SHOTS_DIR) / "tutorial-level-1.png";
  RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=90 BROLT_SCREENSHOT='" + shot.string() + "'", "previewplay.tmp");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(std::filesystem::exists(shot));
}

// Title, main page, level list, level 1, self-destruction and back into the list, whose Down key
// then moves the highlight: the run stops at each stage in turn and keeps its picture.
TEST_F(ProgramRunTest, GoesFromTheTitleThroughTheMenuIntoLevelOneAndBackToTheList) {
  std::ofstream(folder / "keys.txt") << "# leave the title, choose play, start level 1\n"
                                        "110 down Return\n112 up Return\n"
                                        "170 down Return\n172 up Return\n"
                                        "200 down Return\n202 up Return\n"
                                        "# explode, go back to the menu, move down the list\n"
                                        "300 down Escape\n302 up Escape\n"
                                        "400 down Escape\n402 up Escape\n"
                                        "420 down Down\n422 up Down\n";
  std::filesystem::create_directories(BROLT_TEST_SHOTS_DIR);
  const std::pair<int, const char*> kStages[] = {
      {105, "title"}, {160, "main-menu"}, {195, "level-list"}, {260, "level-1-from-the-list"}, {440, "back-in-the-list"}};
  for (const auto& [frames, name] : kStages) {
    const auto shot = std::filesystem::path(BROLT_TEST_SHOTS_DIR) / (std::string(name) + ".png");
    std::filesystem::remove(shot);
    RunResult run = Run("BROLT_KEY_SCRIPT=keys.txt BROLT_QUIT_AFTER_FRAMES=" + std::to_string(frames) +
                        " BROLT_SCREENSHOT='" + shot.string() + "'");
    EXPECT_EQ(run.status, 0) << name;
    EXPECT_TRUE(std::filesystem::exists(shot)) << name;
    if (frames == 260) {
      EXPECT_NE(run.output.find("level=1 dead=0"), std::string::npos) << run.output;
      EXPECT_EQ(run.output.find("unids_needed=0"), std::string::npos) << run.output;
    }
    if (frames == 440) {
      EXPECT_NE(run.output.find("level=2 dead=1"), std::string::npos) << run.output;
    }
  }
}

TEST_F(ProgramRunTest, WithoutCollectionsItSaysSoAndEnds) {
  std::filesystem::remove_all(folder / "Levels");
  std::filesystem::create_directory(folder / "Levels");
  RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=10");
  EXPECT_EQ(run.status, 1);
}

}  // namespace
}  // namespace brolt
