// The game program run whole, headless, on a copy of the program folder.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <span>
#include <sstream>
#include <string>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <sqlite3.h>
#include <unistd.h>

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/database.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "game/main_loop/test_hooks.h"
#include "common/test_database.h"
#include "program_run.h"
#include "support/cut_off_writes.h"
#include "support/mounted_folder.h"
#include "support/temp_folder.h"

namespace brolt {
namespace {

// Tutorial level 1 alone in a compiled collection that the settings choose, started at once, and a
// key script that plays it: the lower unids, the upper ones, the last one and out through the exit,
// then the keys of the record holder's name, each tapped in turn. `more` is appended to the script.
class TutorialPlayThroughTest : public ProgramRunTest {
 protected:
  TutorialPlayThroughTest() {
    const auto tutorial = folder / "Levels" / "Tutorial.clvl";
    WriteCollection(collection, {ReadSlot(tutorial, 1), ReadSlot(tutorial, CountFilledSlots(tutorial))});
    SetSetting("levelcollection", "First.clvl");
    std::filesystem::create_directories(BROLT_TEST_SHOTS_DIR);
  }

  // A name of six letters and a mistake, of which five stay.
  static constexpr std::array kSixLettersAndAMistake{"B", "R", "X", "Backspace", "O", "L", "T", "Z"};

  RunResult Play(int frames, const std::filesystem::path& shot, const std::string& more = "",
                 std::span<const char* const> nameKeys = kSixLettersAndAMistake) {
    std::ostringstream script;
    // Each leg holds its arrow until the Thresher is half a cell short of its end (ten frames a
    // cell at game speed 6), once the get-ready second is over.
    struct Leg {
      const char* key;
      int cells;
    };
    int frame = 70;
    for (const Leg& leg : {Leg{"Down", 2}, Leg{"Left", 9}, Leg{"Up", 5}, Leg{"Right", 19}, Leg{"Down", 5},
                           Leg{"Left", 3}, Leg{"Right", 4}}) {
      const int hold = 10 * leg.cells - 5;
      script << frame << " down " << leg.key << "\n" << frame + hold << " up " << leg.key << "\n";
      frame += hold + 6;
    }
    // The exit is reached at frame 537.
    frame = 538;
    for (const char* key : nameKeys) {
      script << frame << " down " << key << "\n" << frame + 1 << " up " << key << "\n";
      frame += 2;
    }
    std::ofstream(folder / "keys.txt") << script.str() << more;
    return Run("BROLT_START_LEVEL=1 BROLT_KEY_SCRIPT='" + (folder / "keys.txt").string() +
               "' BROLT_QUIT_AFTER_FRAMES=" + std::to_string(frames) +
               " BROLT_SCREENSHOT='" + shot.string() + "'");
  }

  LevelRecord Level() { return DecodeLevelRecord(ReadSlot(collection, 1)); }

  std::filesystem::path collection = folder / "Levels" / "First.clvl";
  std::filesystem::path shots = BROLT_TEST_SHOTS_DIR;
};

TEST_F(TutorialPlayThroughTest, TheExitShowsTheLevelCompleteScreenOverTheLevel) {
  RunResult run = Play(556, shots / "level-complete.png");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.output.find("unids_needed=0 clock=00:07.56"), std::string::npos) << run.output;
  EXPECT_TRUE(std::filesystem::exists(shots / "level-complete.png"));
  EXPECT_EQ(Level().openState, '2');
  EXPECT_EQ(TrimSpaces(Level().bestTimeHolder), "");  // the name is still being typed
}

// The collection rewritten keeps the mode it had.
TEST_F(TutorialPlayThroughTest, EnterStoresTheNewBestAndTheLastLevelEndsTheCollection) {
  const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                    std::filesystem::perms::group_read;
  std::filesystem::permissions(collection, mode);
  RunResult run = Play(600, shots / "congratulations.png", "560 down Return\n562 up Return\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(std::filesystem::status(collection).permissions(), mode);
  EXPECT_EQ(Level().bestTimeHolder, "BROLT");
  EXPECT_EQ(TrimSpaces(Level().bestTime), "00:07.56");
  EXPECT_TRUE(std::filesystem::exists(shots / "congratulations.png"));
}

// The keys typed while the options or the help cover the name entry are theirs, Backspace too; the
// name goes on where it was once they close.
TEST_F(TutorialPlayThroughTest, KeysTypedUnderTheOptionsOrTheHelpStayOutOfTheName) {
  constexpr std::array keys{"B", "R", "F4", "Backspace", "X", "Escape", "O", "F1", "Y", "Escape", "L", "T"};
  Play(620, shots / "name-after-the-options-and-help.png", "580 down Return\n582 up Return\n", keys);
  EXPECT_EQ(Level().bestTimeHolder, "BROLT");
}

// Solved, and Enter on the name, with no room left on the disk: the collection is left as it was,
// and each lost write is told once, with the collection and the reason, as the game goes on.
TEST_F(TutorialPlayThroughTest, AFullDiskAtTheLevelsEndKeepsTheCollectionAndTellsThePlayer) {
  testing::MountedFolder disk;
  if (const std::string refused = UseFullDisk(disk); !refused.empty()) GTEST_SKIP() << refused;
  const std::filesystem::path full = disk.path() / "Levels" / "First.clvl";
  const std::string before = ReadWholeFile(full).value_or("");
  RunResult run = Play(600, shots / "full-disk.png", "560 down Return\n562 up Return\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.output.find("brolt: frames=600 "), std::string::npos) << run.output;
  EXPECT_EQ(ReadWholeFile(full).value_or(""), before);
  for (const char* lost : {"the progress", "the best time"}) {
    const std::string told = std::string("Brenwick Brolt: Could not save ") + lost + " in 'First.clvl': Can't write '" +
                             full.string() + "': No space left on device\n";
    EXPECT_EQ(Occurrences(run.errors, told), 1) << run.errors;
  }
}

// The shipped tutorial played as a player would: from the title through the menu into level 1,
// played to the exit by its recorded solution, a name typed, and back to the list.
class TutorialFromTheMenuTest : public ProgramRunTest {
 protected:
  // The frame in which Enter on the level list has loaded level 1: the recorded keys count from it.
  static constexpr int kLevelLoaded = 204;

  // Menu keys, the level's recorded keys `delay` frames late, then a name and Enter.
  RunResult PlayLevelOne(int delay, const std::string& name) {
    std::ostringstream script;
    script << "110 down Return\n112 up Return\n170 down Return\n172 up Return\n200 down Return\n202 up Return\n";
    std::istringstream solution(
        ReadWholeFile(std::filesystem::path(BROLT_TEST_SOLUTIONS_DIR) / "Tutorial.clvl" / "01.keys").value_or(""));
    int last = 0;
    for (const ScriptedKey& key : ParseKeyScript(solution.str())) {
      last = static_cast<int>(key.frame) + kLevelLoaded + delay;
      script << last << (key.down ? " down " : " up ") << key.key << "\n";
    }
    int frame = last + 10;
    for (char letter : name) {
      script << frame << " down " << letter << "\n" << frame + 1 << " up " << letter << "\n";
      frame += 2;
    }
    script << frame + 5 << " down Return\n" << frame + 6 << " up Return\n";
    std::ofstream(folder / "keys.txt") << script.str();
    return Run("BROLT_KEY_SCRIPT=keys.txt BROLT_QUIT_AFTER_FRAMES=" + std::to_string(frame + 60));
  }

  LevelRecord Level(int level) { return DecodeLevelRecord(ReadSlot(folder / "Levels" / "Tutorial.clvl", level)); }
};

TEST_F(TutorialFromTheMenuTest, AFinishedLevelKeepsItsBestTimeAndOpensTheNext) {
  ASSERT_EQ(Level(2).openState, '0');
  RunResult first = PlayLevelOne(0, "ANN");
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(Level(1).openState, '2');
  EXPECT_EQ(Level(2).openState, '1');
  EXPECT_EQ(Level(1).bestTimeHolder, "ANN  ");
  const std::string best = Level(1).bestTime;
  EXPECT_NE(LeadingNumber(best.substr(3, 2)) + LeadingNumber(best.substr(6, 2)), 0) << best;

  // A slower second run stores nothing over the first.
  RunResult second = PlayLevelOne(90, "BOB");
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(Level(1).bestTimeHolder, "ANN  ");
  EXPECT_EQ(Level(1).bestTime, best);
  EXPECT_EQ(Level(3).openState, '0');
}

TEST_F(TutorialFromTheMenuTest, EscapeExplodesTheThresherAndEnterStartsTheLevelAgain) {
  std::ofstream(folder / "keys.txt") << "110 down Return\n112 up Return\n170 down Return\n172 up Return\n"
                                        "200 down Return\n202 up Return\n"
                                        "300 down Escape\n302 up Escape\n";
  RunResult dead = Run("BROLT_KEY_SCRIPT=keys.txt BROLT_QUIT_AFTER_FRAMES=360");
  EXPECT_NE(dead.output.find("level=1 dead=1"), std::string::npos) << dead.output;
  std::ofstream(folder / "keys.txt", std::ios::app) << "380 down Return\n382 up Return\n";
  RunResult again = Run("BROLT_KEY_SCRIPT=keys.txt BROLT_QUIT_AFTER_FRAMES=400");
  EXPECT_NE(again.output.find("level=1 dead=0"), std::string::npos) << again.output;
  EXPECT_EQ(Level(1).openState, '1');  // nothing was written
}

TEST_F(ProgramRunTest, StartsOnTheDefaultContentRunsAndQuitsCleanly) {
  const auto shot = folder / "title.png";
  const auto temporary = folder / "tmp";  // where the pack is unpacked during start-up
  std::filesystem::create_directory(temporary);
  RunResult run = Run("TMPDIR='" + temporary.string() + "' BROLT_QUIT_AFTER_FRAMES=120 BROLT_SCREENSHOT='" +
                      shot.string() + "'");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.output.find("brolt: frames=120 level=1 dead=0"), std::string::npos) << run.output;
  EXPECT_TRUE(std::filesystem::exists(shot));
  EXPECT_TRUE(std::filesystem::is_empty(temporary));
  EXPECT_EQ(Setting("packfile"), "Brolt.pak");
  EXPECT_EQ(Setting("gamespeed"), "6");
}

// A preview of a level with the Thresher at (10, 10) and the exit two cells to his right.
class WalkOutPreviewTest : public ProgramRunTest {
 protected:
  WalkOutPreviewTest() {
    level.title = "Walk out";
    level.colours = {RgbColour{255, 255, 255}, RgbColour{200, 100, 50}, RgbColour{50, 200, 100},
                     RgbColour{100, 50, 200}};
    level.lightRadius = 5;
    level.Cell(10, 39) = {1, 0};
    level.Cell(12, 39) = {9, 0};
    for (int column = 8; column <= 14; ++column) level.Cell(column, 40) = {10, 0};
    WriteCollection(folder / "Levels" / "previewplay.tmp", {EncodePreviewRecord(level), EncodePreviewMusicRecord(true)});
  }

  // The frames the preview ran with these keys, at most `limit`.
  int FramesPlayed(const std::string& keys, int limit) {
    std::ofstream(folder / "keys.txt") << keys;
    RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=" + std::to_string(limit) + " BROLT_KEY_SCRIPT=keys.txt", "previewplay.tmp");
    EXPECT_EQ(run.status, 0);
    const std::size_t frames = run.output.find("brolt: frames=");
    if (frames == std::string::npos) {
      ADD_FAILURE() << run.output;
      return -1;
    }
    return std::stoi(run.output.substr(frames + 14));
  }

  LevelRecord level;
};

TEST_F(WalkOutPreviewTest, APreviewEndsWhenTheThresherReachesTheExit) {
  EXPECT_LT(FramesPlayed("# walk right once the level runs\n90 down Right\n", 600), 600);
  EXPECT_EQ(ReadSlot(folder / "Levels" / "previewplay.tmp", 1), EncodePreviewRecord(level));
}

TEST_F(WalkOutPreviewTest, EachArrowTappedWithinAFrameStepsTheThresherOneCell) {
  EXPECT_EQ(FramesPlayed("90 down Right\n90 up Right\n", 300), 300);
  EXPECT_LT(FramesPlayed("90 down Right\n90 up Right\n120 down Right\n120 up Right\n", 300), 300);
}

TEST_F(ProgramRunTest, EnterTappedWithinAFrameLeavesTheTitleAndChoosesMenuItems) {
  std::ofstream(folder / "keys.txt") << "110 down Return\n110 up Return\n170 down Return\n170 up Return\n"
                                        "200 down Return\n200 up Return\n";
  RunResult run = Run("BROLT_KEY_SCRIPT=keys.txt BROLT_QUIT_AFTER_FRAMES=260");
  EXPECT_NE(run.output.find("level=1 dead=0"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("unids_needed=0"), std::string::npos) << "still in the menus: " << run.output;
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

// Whether a running copy of the game holds the program folder's lock.
bool LockHeld(const std::filesystem::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return false;
  const bool held = ::flock(descriptor, LOCK_EX | LOCK_NB) != 0;
  ::close(descriptor);
  return held;
}

// On a folder where the game can write, and on one where no lock file could be made.
TEST_F(ProgramRunTest, ASecondCopyEndsAtOnceWhileTheFirstRuns) {
  for (const bool readOnly : {false, true}) {
    SCOPED_TRACE(readOnly ? "read-only" : "writable");
    testing::MountedFolder view;
    program = folder.path();
    if (readOnly)
      if (const std::string refused = UseReadOnlyView(view); !refused.empty()) GTEST_SKIP() << refused;
    // A simple command sent to the background is the game's own process, so its number can end it.
    const std::string first = "cd '" + program.string() +
                              "'; SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy BROLT_NO_DIALOGS=1 "
                              "BROLT_QUIT_AFTER_FRAMES=100000 ./brolt >/dev/null 2>&1 & echo $!";
    FILE* pipe = popen(first.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    int pid = 0;
    ASSERT_EQ(fscanf(pipe, "%d", &pid), 1);
    pclose(pipe);
    for (int wait = 0; wait < 200 && !LockHeld(program); ++wait)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(LockHeld(program));
    RunResult second = Run("BROLT_QUIT_AFTER_FRAMES=600");
    EXPECT_TRUE(LockHeld(program)) << "the second copy ended while the first still ran";
    ::kill(pid, SIGTERM);
    for (int wait = 0; wait < 200 && LockHeld(program); ++wait)  // the next row's first copy must find it free
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.output, "");  // it never started a frame
  }
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

TEST_F(ProgramRunTest, ADamagedDatabaseIsReportedAndEndsTheGame) {
  {
    Database database(folder / "Define.qdm");
    sqlite3_exec(database.Handle(), "DROP TABLE KARVEL", nullptr, nullptr, nullptr);
  }
  RunResult noSettings = Run("BROLT_QUIT_AFTER_FRAMES=10");
  EXPECT_EQ(noSettings.status, 1);
  std::ofstream(folder / "Define.qdm", std::ios::trunc) << "not a database";
  RunResult garbage = Run("BROLT_QUIT_AFTER_FRAMES=10");
  EXPECT_EQ(garbage.status, 1);
}

// The start-up writes the settings it read back; when the database can be read but not written,
// the player is told once and plays on.
TEST_F(ProgramRunTest, ASettingsWriteThatFailsAtTheStartIsToldOnceAndPlayGoesOn) {
  struct Case {
    const char* reason;
    // Keeps the database from being written; returns why not, when mounting is not allowed.
    std::function<std::string(testing::RawDatabase& other, testing::MountedFolder& mount)> prevent;
  };
  const Case kCases[] = {
      {"database is locked", [](auto& other, auto&) {
         other.Execute("begin immediate");  // another program's write
         return std::string();
       }},
      {"attempt to write a readonly database", [this](auto&, auto& mount) { return UseReadOnlyView(mount); }},
      {"database or disk is full", [this](auto&, auto& mount) { return UseFullDisk(mount); }},
  };
  SetSetting("gamespeed", "20");  // read as 9, so the start must write it
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.reason);
    testing::RawDatabase other(folder / "Define.qdm");
    testing::MountedFolder mount;
    program = folder.path();
    if (const std::string refused = c.prevent(other, mount); !refused.empty()) GTEST_SKIP() << refused;
    RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=30");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_NE(run.output.find("brolt: frames=30 "), std::string::npos) << run.output;
    EXPECT_EQ(Occurrences(run.errors, "Brenwick Brolt: The settings can't be saved: Can't write table 'KARVEL' of '" +
                                          (program / "Define.qdm").string() + "': " + c.reason + "\n"),
              1)
        << run.errors;
  }
}

// Another program starts a write as the game quits: the settings write fails with its own reason
// after one wait, instead of also waiting for the help table and naming that, and the player is
// told so as at the start.
TEST_F(ProgramRunTest, ALockTakenBeforeTheQuitIsToldToThePlayerWithTheSettingsWrite) {
  testing::RawDatabase other(folder / "Define.qdm");
  other.Execute("begin immediate");  // keeps the start-up's write out, so its message marks the start's end
  const pid_t game = fork();
  if (game == 0) {
    ::execl("/bin/sh", "sh", "-c", Command("BROLT_QUIT_AFTER_FRAMES=1000000").append(" >/dev/null").c_str(), nullptr);
    ::_exit(127);
  }
  ASSERT_GT(game, 0);
  std::string errors;
  for (int wait = 0; wait < 1200 && errors.find("The settings can't be saved") == std::string::npos; ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    errors = ReadWholeFile(folder / "errors.txt").value_or("");
  }
  other.Execute("rollback");
  other.Execute("begin exclusive");
  ::kill(game, SIGTERM);  // the window closed
  int status = 0;
  ASSERT_EQ(::waitpid(game, &status, 0), game);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  errors = ReadWholeFile(folder / "errors.txt").value_or("");
  EXPECT_EQ(Occurrences(errors, "Brenwick Brolt: The settings were not saved: Can't read table 'KARVEL' of '" +
                                    (folder / "Define.qdm").string() + "': database is locked\n"),
            1)
      << errors;
  EXPECT_EQ(errors.find("KARVELHELP"), std::string::npos) << errors;
}

// The editor removed its preview file, or the player named a collection that isn't there: the
// game says so and ends instead of showing an empty level that nothing but closing the window ends.
TEST_F(ProgramRunTest, APreviewOfACollectionThatCantBeReadSaysSoAndEnds) {
  std::filesystem::create_directory(folder / "Levels" / "Folder.lvl");
  std::ofstream(folder / "Levels" / "Empty.lvl").close();
  for (const char* name : {"nonexistent.lvl", "previewplay.tmp", "Folder.lvl", "Empty.lvl"}) {
    RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=10", name);
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_NE(run.errors.find("The level collection '" + std::string(name) + "' can't be read."), std::string::npos)
        << name << ": " << run.errors;
    EXPECT_EQ(run.output.find("frames="), std::string::npos) << name << ": " << run.output;
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "Levels" / "nonexistent.lvl"));
}

// An empty or Null pack setting is no setting: the shipped pack is used, and the row gets its name
// back, as it would if the row were missing.
TEST_F(ProgramRunTest, AnEmptyOrNullPackSettingUsesTheShippedPack) {
  for (const char* value : {"''", "null"}) {
    {
      Database database(folder / "Define.qdm");
      const std::string update = std::string("update KARVEL set Value = ") + value + " where Variable = 'packfile'";
      sqlite3_exec(database.Handle(), update.c_str(), nullptr, nullptr, nullptr);
    }
    RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=10");
    EXPECT_EQ(run.status, 0) << value << ": " << run.errors;
    EXPECT_EQ(Setting("packfile"), "Brolt.pak") << value;
  }
  {
    Database database(folder / "Define.qdm");
    sqlite3_exec(database.Handle(), "delete from KARVEL where Variable = 'packfile'", nullptr, nullptr, nullptr);
  }
  RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=10");
  EXPECT_EQ(run.status, 0) << "no row: " << run.errors;
  EXPECT_EQ(Setting("packfile"), "<missing>");
}

// What a write cut off by a crash left goes at the start; a person's hidden files, fresh or old, and
// a write still running stay.
TEST_F(ProgramRunTest, TheStartRemovesOnlyWhatACutOffWriteLeft) {
  for (const auto& [personsFilesOld, runningHeldAt] :
       {std::pair{false, ReplaceStep::BytesWritten}, std::pair{true, ReplaceStep::Flushed}}) {
    SCOPED_TRACE(personsFilesOld ? "old" : "fresh");
    testing::FolderAfterACrash levels(folder / "Levels", personsFilesOld, runningHeldAt);
    RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=10");
    EXPECT_EQ(run.status, 0) << run.errors;
    levels.ExpectOnlyTheLeftoverRemoved();
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
