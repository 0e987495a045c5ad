#include "game/simulation/level_completion.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/file_io.h"
#include "support/file_size_limit.h"
#include "support/recording_messages.h"
#include "support/recording_services.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::RecordingMusic;
using testing::TestGame;

// A level of a compiled collection with its open state ('0' closed, '1' open, '2' solved) and a
// Thresher at (1, 1).
std::string CompiledLevel(char openState, bool first = false) {
  LevelRecord level = testing::PlainLevel();
  level.openState = openState;
  if (first) level.compiledMarker = "zq";
  testing::PlaceTiles(level, {{1, 1, ObjThresher}});
  return EncodeLevelRecord(level);
}

class LevelCompletionTest : public ::testing::Test {
 protected:
  LevelCompletionTest() { t.game.services.music = &music; }

  // Writes a compiled collection of levels in these states, with its tag record, and starts
  // playing level `current` as the Thresher steps right into an exit.
  void PlayCompiled(const std::string& states, int current) {
    std::vector<std::string> records;
    for (std::size_t i = 0; i < states.size(); ++i)
      records.push_back(states[i] == 'H' ? std::string(kHolderRecord) : CompiledLevel(states[i], i == 0));
    records.push_back(EncodeTagRecord("welcome", "well done"));
    t.WriteCollection(records, "test.clvl");
    t.game.collection.LevelCount = CountCollectionLevels(t.game, {});
    t.game.flags.CurrentLevel = static_cast<std::int16_t>(current);
    LoadLevel(t.game, current);
    t.Put(2, 1, ObjExitPortal);
    t.Cell(1, 1).DirX = 1;
  }
  std::string States() {
    std::string states;
    for (int level = 1; level <= t.game.collection.LevelCount; ++level)
      states += IsLevelHolder(t.game, level) ? 'H' : static_cast<char>('0' + IsLevelSolved(t.game, level));
    return states;
  }
  std::string FileBytes() { return ReadWholeFile(t.levels / t.game.LevelList.SelectedName()).value_or(""); }
  void SetClock(int minutes, int seconds, int milliseconds) {
    t.game.timing.LevelMinutes = static_cast<std::int16_t>(minutes);
    t.game.timing.LevelSeconds = static_cast<std::int16_t>(seconds);
    t.game.timing.LevelMs = milliseconds;
    t.game.timing.ClockText = MakeClockText(minutes, seconds, milliseconds);
  }

  TestGame t;
  RecordingMusic music;
};

TEST_F(LevelCompletionTest, SolvingALevelOpensTheNextAndTheBestTimeIsKeptOnlyWhenBetter) {
  PlayCompiled("11000", 2);
  CompleteLevel(t.game);
  EXPECT_EQ(States(), "12100");

  t.game.collection.PlayerName = "ANNA";
  SetClock(1, 5, 523);
  FinishLevel(t.game);
  EXPECT_EQ(ReadBestTime(t.game, 2), "01:05.52");
  EXPECT_EQ(ReadBestTimeHolder(t.game, 2), "ANNA");

  t.game.collection.PlayerName = "BOB";
  SetClock(1, 10, 0);
  FinishLevel(t.game);
  EXPECT_EQ(ReadBestTime(t.game, 2), "01:05.52");
  EXPECT_EQ(ReadBestTimeHolder(t.game, 2), "ANNA");

  SetClock(0, 59, 0);
  FinishLevel(t.game);
  EXPECT_EQ(ReadBestTime(t.game, 2), "00:59.00");
  EXPECT_EQ(ReadBestTimeHolder(t.game, 2), "BOB");
}

TEST_F(LevelCompletionTest, OnlyTheFirstClosedLevelOpensAndOnlyAtTheFirstSolution) {
  PlayCompiled("01210", 1);
  CompleteLevel(t.game);
  EXPECT_EQ(States(), "21211");

  PlayCompiled("20000", 1);
  CompleteLevel(t.game);
  EXPECT_EQ(States(), "20000");
}

TEST_F(LevelCompletionTest, EmptiedLevelSpacesArePassedOverAndTheTagRecordIsNeverTouched) {
  PlayCompiled("11H00", 2);
  CompleteLevel(t.game);
  EXPECT_EQ(States(), "12H10");

  PlayCompiled("1111H", 4);
  const std::string before = FileBytes();
  CompleteLevel(t.game);
  EXPECT_EQ(States(), "1112H");
  const std::string after = FileBytes();
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.substr(4 * kSlotLength), before.substr(4 * kSlotLength));
}

TEST_F(LevelCompletionTest, LevelsPastTheHundredthOpenToo) {
  PlayCompiled(std::string(99, '2') + "10", 100);
  CompleteLevel(t.game);
  EXPECT_EQ(IsLevelSolved(t.game, 100), 2);
  EXPECT_EQ(IsLevelSolved(t.game, 101), 1);
}

TEST_F(LevelCompletionTest, CompletingPutsUpTheNameEntryWithTheThresherInThePortal) {
  PlayCompiled("10", 1);
  t.game.collection.PlayerName = "OLD";
  t.game.flags.LevelMusic = 1;
  CompleteLevel(t.game);
  EXPECT_TRUE(t.game.flags.NameEntry);
  EXPECT_FALSE(t.game.flags.QuitRequested);
  EXPECT_EQ(t.game.collection.PlayerName, "");
  EXPECT_EQ(t.game.flags.LevelMusic, 0);
  EXPECT_EQ(music.rewinds, 1);
  EXPECT_TRUE(t.game.sounds.Entries[EXIT_LEVEL].Flag);
  EXPECT_FLOAT_EQ(t.game.level.PlayerX, 2.0f);
  EXPECT_FLOAT_EQ(t.game.level.PlayerY, 1.0f);
  EXPECT_EQ(t.Cell(1, 1).Type, ObjEmpty);
  EXPECT_EQ(t.Cell(2, 1).Type, ObjExitPortal);
}

TEST_F(LevelCompletionTest, PreviewPlayEndsAtTheExitAndWritesNothing) {
  PlayCompiled("10", 1);
  t.game.flags.CommandLine = std::string(kPreviewFileName);
  const std::string before = FileBytes();
  CompleteLevel(t.game);
  EXPECT_TRUE(t.game.flags.QuitRequested);
  EXPECT_FALSE(t.game.flags.NameEntry);
  EXPECT_EQ(music.rewinds, 0);
  EXPECT_EQ(FileBytes(), before);
}

TEST_F(LevelCompletionTest, AnUncompiledCollectionIsNeverWritten) {
  t.LoadPicture({"TE"});
  t.Cell(0, 0).DirX = 1;
  const std::string before = FileBytes();
  CompleteLevel(t.game);
  SetClock(0, 30, 0);
  FinishLevel(t.game);
  EXPECT_TRUE(t.game.flags.InMenu);
  EXPECT_EQ(FileBytes(), before);
}

// The disk fills up before the exit is reached, or only once the level is marked solved: each write
// that fails is told once, with the collection and the reason, and the level still ends in the menu.
TEST_F(LevelCompletionTest, ACollectionThatCannotBeWrittenIsReportedAndPlayGoesOn) {
  struct Case {
    const char* name;
    bool fullAtTheExit;
    bool fullAtTheName;
    std::vector<std::string> told;  // what each message begins with
    const char* states;
  };
  const Case kCases[] = {
      {"room for every write", false, false, {}, "12100"},
      {"full from the exit on", true, true,
       {"Could not save the progress in 'test.clvl': Can't write '",
        "Could not save the best time in 'test.clvl': Can't write '"},
       "11000"},
      {"full once the level is solved", false, true,
       {"Could not save the best time in 'test.clvl': Can't write '"}, "12100"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    testing::RecordingMessages messages;
    t.game.services.messages = &messages;
    PlayCompiled("11000", 2);
    const std::string before = FileBytes();
    {
      // The disk fills up half-way through the write.
      std::optional<testing::FileSizeLimit> limit;
      if (c.fullAtTheExit) limit.emplace(12000);
      CompleteLevel(t.game);
      if (c.fullAtTheName && !limit) limit.emplace(12000);
      SetClock(0, 30, 0);
      t.game.collection.PlayerName = "ANN";
      FinishLevel(t.game);
    }
    ASSERT_EQ(messages.told.size(), c.told.size());
    for (std::size_t i = 0; i < c.told.size(); ++i) {
      EXPECT_EQ(messages.told[i].rfind(c.told[i], 0), 0u) << messages.told[i];
      EXPECT_NE(messages.told[i].find("test.clvl': File too large"), std::string::npos) << messages.told[i];
    }
    EXPECT_TRUE(t.game.flags.InMenu);
    EXPECT_FALSE(t.game.flags.NameEntry);
    EXPECT_EQ(States(), c.states);
    const bool bestTimeKept = !c.fullAtTheName;
    EXPECT_EQ(ReadBestTime(t.game, 2), bestTimeKept ? "00:30.00" : "");
    EXPECT_EQ(ReadBestTimeHolder(t.game, 2), bestTimeKept ? "ANN" : "");
    if (c.fullAtTheExit) EXPECT_EQ(FileBytes(), before);
  }
}

TEST_F(LevelCompletionTest, WithoutTheProgramsMessageBoxesAFailedWriteIsToldOnStandardError) {
  PlayCompiled("11000", 2);
  ::testing::internal::CaptureStderr();
  {
    testing::FileSizeLimit full(12000);
    CompleteLevel(t.game);
  }
  const std::string told = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(told.rfind("brolt: Could not save the progress in 'test.clvl': Can't write '", 0), 0u) << told;
  EXPECT_TRUE(t.game.flags.NameEntry);
}

TEST_F(LevelCompletionTest, FinishingReturnsToTheMenuAndTheLastLevelEndsTheCollection) {
  for (int level : {2, 3}) {
    PlayCompiled("112", level);
    t.game.flags.NameEntry = true;
    t.game.flags.GameEnd = false;
    t.game.keys.KeyPressed[scan::Enter] = 1;
    FinishLevel(t.game);
    EXPECT_EQ(t.game.flags.GameEnd, level == 3) << level;
    EXPECT_TRUE(t.game.flags.InMenu);
    EXPECT_FALSE(t.game.flags.NameEntry);
    EXPECT_EQ(t.game.keys.KeyPressed[scan::Enter], 0);
    EXPECT_EQ(t.game.menu.LaunchLevel, level);
    EXPECT_EQ(t.game.menu.LaunchShrink, 5);
    EXPECT_EQ(t.game.menu.MenuLevelColour, 100);
    EXPECT_TRUE(t.game.menu.AdvanceAfterFinish);
  }
}

}  // namespace
}  // namespace brolt
