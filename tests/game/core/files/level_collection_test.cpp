#include "game/core/files/level_collection.h"

#include <gtest/gtest.h>

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/level_record.h"
#include "game/core/state/game.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace brolt {
namespace {

using testing::TempFolder;

std::string Level(const std::string& title, char state = '0', const std::string& time = "00:00:00 ",
                  const std::string& marker = "") {
  LevelRecord level;
  level.title = title;
  level.openState = state;
  level.bestTime = time;
  level.compiledMarker = marker;
  return EncodeLevelRecord(level);
}

class CollectionTest : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::vector<std::string>& records) {
    WriteCollection(folder_ / name, records);
  }
  void Select(const std::string& name) {
    game_.LevelList.Open(folder_.path(), {".lvl", ".clvl"});
    ASSERT_TRUE(game_.LevelList.Select(name));
  }
  void SetClock(int minutes, int seconds, int ms) {
    game_.timing.LevelMinutes = static_cast<std::int16_t>(minutes);
    game_.timing.LevelSeconds = static_cast<std::int16_t>(seconds);
    game_.timing.LevelMs = ms;
    game_.timing.ClockText = MakeClockText(minutes, seconds, ms);
  }
  std::string Slot(const std::string& name, int slot) { return ReadSlot(folder_ / name, slot); }

  TempFolder folder_;
  Game game_;

  void SetUp() override { game_.paths.LevelsPath = folder_.path(); }
};

TEST_F(CollectionTest, CountsLevelsUpToTheFirstEmptySlotLessTheTagOfACompiledCollection) {
  Write("plain.lvl", {Level("a"), Level("b"), Level("c")});
  Write("done.clvl", {Level("a", '1', "00:00 00 ", "zq"), Level("b"), Level("c"), EncodeTagRecord("hi", "bye")});
  Write("upper.clvl", {Level("a", '1', "00:00 00 ", "ZQ"), EncodeTagRecord("hi", "bye")});
  Write("empty.lvl", {});
  Select("plain.lvl");
  EXPECT_EQ(CountCollectionLevels(game_, ""), 3);
  EXPECT_EQ(game_.collection.CollectionFile, "plain.lvl");
  EXPECT_EQ(CountCollectionLevels(game_, "done.clvl"), 3);
  EXPECT_EQ(game_.collection.CollectionFile, "done.clvl");
  EXPECT_EQ(CountCollectionLevels(game_, "upper.clvl"), 1);
  EXPECT_EQ(CountCollectionLevels(game_, "empty.lvl"), 0);
  EXPECT_EQ(CountCollectionLevels(game_, "missing.lvl"), 0);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "missing.lvl"));
}

TEST_F(CollectionTest, AnUncompiledPreviewCountsItsOwnLevelsWhateverIsSelected) {
  Write("done.clvl", {Level("a", '1', "00:00 00 ", "zq"), EncodeTagRecord("hi", "bye")});
  Write(std::string(kPreviewFileName), {EncodePreviewRecord(DecodeLevelRecord(Level("p"))), "1"});
  Select("done.clvl");
  EXPECT_EQ(CountCollectionLevels(game_, std::string(kPreviewFileName)), 2);
}

TEST_F(CollectionTest, ReadsNamesStatesAndTexts) {
  Write("done.clvl", {Level("  First  ", '0', "00:00 00 ", "zq"), Level("Second", '0'), Level("Third", '2'),
                      EncodeTagRecord("  The intro  ", "The end")});
  Write("plain.lvl", {Level("Only")});
  Select("done.clvl");
  EXPECT_EQ(ReadLevelName(game_, 1), "First");
  EXPECT_EQ(ReadLevelName(game_, 9), "no data");
  EXPECT_EQ(IsLevelSolved(game_, 1), 1);  // the first level can always be played
  EXPECT_EQ(IsLevelSolved(game_, 2), 0);
  EXPECT_EQ(IsLevelSolved(game_, 3), 2);
  EXPECT_EQ(ReadCollectionDescription(game_), "The intro");
  EXPECT_EQ(ReadCollectionEndText(game_), "The end");
  Select("plain.lvl");
  EXPECT_EQ(IsLevelSolved(game_, 1), 2);
  EXPECT_EQ(IsLevelSolved(game_, 50), 2);
  EXPECT_EQ(ReadCollectionDescription(game_), "(uncompiled)");
  EXPECT_EQ(ReadCollectionEndText(game_), "");
}

TEST_F(CollectionTest, AZeroByteFileHasNoLevels) {
  CreateCollectionFile(folder_ / "zero.lvl");
  Select("zero.lvl");
  EXPECT_EQ(CountCollectionLevels(game_, ""), 0);
  EXPECT_EQ(ReadLevelName(game_, 1), "no data");
  EXPECT_EQ(ReadBestTime(game_, 1), "");
  EXPECT_EQ(ReadBestTimeHolder(game_, 1), "");
  EXPECT_FALSE(IsCollectionCompiled(game_, "zero.lvl"));
  EXPECT_FALSE(IsCollectionCompiled(game_, ""));
}

TEST_F(CollectionTest, EditorAndCompilerTimesAreNoBestTime) {
  Write("done.clvl", {Level("a", '1', "00:00:00 ", "zq"), Level("b", '1', "00:00 00 "),
                      Level("c", '1', "01:05.42 "), EncodeTagRecord("", "")});
  Select("done.clvl");
  EXPECT_EQ(ReadBestTime(game_, 1), "");
  EXPECT_EQ(ReadBestTime(game_, 2), "");
  EXPECT_EQ(ReadBestTime(game_, 3), "01:05.42");
}

TEST_F(CollectionTest, ABetterTimeMustBeStrictlyFaster) {
  SetClock(1, 5, 425);
  EXPECT_TRUE(IsBetterTime(game_, ""));
  EXPECT_FALSE(IsBetterTime(game_, "01:05.42"));  // a tie
  EXPECT_TRUE(IsBetterTime(game_, "01:05.43"));
  EXPECT_FALSE(IsBetterTime(game_, "00:59.99"));
  EXPECT_TRUE(IsBetterTime(game_, "02:00.00"));
  EXPECT_EQ(game_.timing.LevelMs, 425);  // the clock is left alone
}

TEST_F(CollectionTest, HundredthsAreMillisecondsDividedByTen) {
  EXPECT_EQ(MakeClockText(1, 5, 523), "01:05.52");
  EXPECT_EQ(MakeClockText(0, 0, 9), "00:00.00");
  EXPECT_EQ(MakeClockText(0, 0, 45), "00:00.04");
  EXPECT_EQ(MakeClockText(99, 59, 999), "99:59.99");
  SetClock(0, 1, 99);  // 99 ms is 9 hundredths, not 99
  EXPECT_TRUE(IsBetterTime(game_, "00:01.10"));
  EXPECT_FALSE(IsBetterTime(game_, "00:01.09"));
}

TEST_F(CollectionTest, SavesProgressOnlyIntoCompiledCollections) {
  Write("plain.lvl", {Level("a"), Level("b")});
  Select("plain.lvl");
  const std::string before = *ReadWholeFile(folder_ / "plain.lvl");
  SetClock(0, 30, 0);
  game_.collection.PlayerName = "ANN";
  SetLevelSolvedMark(game_, 1, '2');
  SaveBestTime(game_, 1);
  SaveRecordName(game_, 1);
  EXPECT_EQ(*ReadWholeFile(folder_ / "plain.lvl"), before);
}

TEST_F(CollectionTest, SavesABetterTimeWithItsHolder) {
  Write("done.clvl", {Level("a", '1', "00:00 00 ", "zq"), Level("b", '0', "00:40.00 "), EncodeTagRecord("", "")});
  Select("done.clvl");
  game_.collection.PlayerName = "AB";
  SetClock(0, 50, 0);
  SaveBestTime(game_, 2);  // slower: nothing changes
  EXPECT_EQ(ReadBestTime(game_, 2), "00:40.00");
  EXPECT_EQ(ReadBestTimeHolder(game_, 2), "");
  SetClock(0, 31, 120);
  SaveBestTime(game_, 2);
  EXPECT_EQ(ReadBestTime(game_, 2), "00:31.12");
  EXPECT_EQ(Slot("done.clvl", 2).substr(44, 5), "AB   ");
  EXPECT_EQ(game_.collection.PlayerName, "AB   ");
  EXPECT_EQ(Slot("done.clvl", 2).size(), 10099u);
  SetLevelSolvedMark(game_, 2, '2');
  EXPECT_EQ(IsLevelSolved(game_, 2), 2);
  EXPECT_EQ(Slot("done.clvl", 3), EncodeTagRecord("", ""));
}

TEST_F(CollectionTest, AZeroClockIsNeverStored) {
  Write("done.clvl", {Level("a", '1', "00:00 00 ", "zq"), EncodeTagRecord("", "")});
  Select("done.clvl");
  const std::string before = *ReadWholeFile(folder_ / "done.clvl");
  SetClock(0, 0, 0);
  SaveBestTime(game_, 1);
  EXPECT_EQ(*ReadWholeFile(folder_ / "done.clvl"), before);
}

TEST_F(CollectionTest, AHolderRecordIsNeverGrown) {
  Write("done.clvl", {Level("a", '1', "00:00 00 ", "zq"), std::string(kHolderRecord), EncodeTagRecord("", "")});
  Select("done.clvl");
  game_.collection.PlayerName = "ANN";
  SetClock(0, 10, 0);
  SetLevelSolvedMark(game_, 2, '2');
  SaveBestTime(game_, 2);
  SaveRecordName(game_, 2);
  EXPECT_EQ(Slot("done.clvl", 2), kHolderRecord);
}

TEST_F(CollectionTest, AWriteErrorReachesTheCaller) {
  Write("done.clvl", {Level("a", '1', "00:00 00 ", "zq"), EncodeTagRecord("", "")});
  Select("done.clvl");
  const std::string before = *ReadWholeFile(folder_ / "done.clvl");
  {
    testing::FileSizeLimit limit(12000);  // the disk fills up half-way through the write
    EXPECT_THROW(SetLevelSolvedMark(game_, 1, '2'), FileError);
  }
  EXPECT_EQ(*ReadWholeFile(folder_ / "done.clvl"), before);
}

}  // namespace
}  // namespace brolt
