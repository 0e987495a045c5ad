#include <gtest/gtest.h>

#include <string>

#include "common/collection_file.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "tests/tools/content/content_files.h"
#include "tools/content/levels/level_maps.h"

namespace brolt::content {
namespace {

using testing::DistFolder;

std::filesystem::path Collection(const std::string& name) { return DistFolder() / "Levels" / name; }

TEST(LevelCollections, TheTutorialIsCompiledWithItsTagRecordAndOnlyItsFirstLevelOpen) {
  std::filesystem::path file = Collection("Tutorial.clvl");
  long filled = CountFilledSlots(file);
  ASSERT_GE(filled, 13);  // at least twelve levels and the tag record
  int levels = static_cast<int>(filled) - 1;
  std::string first = ReadSlot(file, 1);
  EXPECT_TRUE(IsCompiledMarker(FieldText(first, level_field::CompiledMarker)));
  for (int n = 1; n <= levels; ++n) {
    SCOPED_TRACE("level " + std::to_string(n));
    std::string record = ReadSlot(file, n);
    ASSERT_EQ(record.size(), static_cast<std::size_t>(kLevelRecordLength));
    EXPECT_EQ(FieldText(record, level_field::OpenState), n == 1 ? "1" : "0");
    EXPECT_EQ(FieldText(record, level_field::BestTime), "00:00 00 ");
    if (n > 1) {
      EXPECT_EQ(FieldText(record, level_field::CompiledMarker), "  ");
    }
  }
  std::string tag = ReadSlot(file, levels + 1);
  EXPECT_FALSE(TagIntroduction(tag).empty());
  EXPECT_FALSE(TagEndText(tag).empty());
  EXPECT_TRUE(ReadSlot(file, levels + 2).empty());
}

TEST(LevelCollections, TheSandboxIsUncompiledAndHoldsAFewLevels) {
  std::filesystem::path file = Collection("Sandbox.lvl");
  long levels = CountFilledSlots(file);
  EXPECT_GE(levels, 3);
  std::string first = ReadSlot(file, 1);
  EXPECT_FALSE(IsCompiledMarker(FieldText(first, level_field::CompiledMarker)));
  for (long n = 1; n <= levels; ++n) {
    EXPECT_EQ(ReadSlot(file, n).size(), static_cast<std::size_t>(kLevelRecordLength)) << "level " << n;
  }
}

TEST(LevelCollections, EveryLevelHasOneThresherAnExitAndATitle) {
  for (const char* name : {"Tutorial.clvl", "Sandbox.lvl"}) {
    std::filesystem::path file = Collection(name);
    long filled = CountFilledSlots(file);
    for (long n = 1; n <= filled; ++n) {
      LevelRecord level = DecodeLevelRecord(ReadSlot(file, n));
      if (TrimSpaces(level.title).empty()) continue;  // the tag record
      SCOPED_TRACE(std::string(name) + " level " + std::to_string(n));
      EXPECT_EQ(CountTiles(level, 1), 1);
      EXPECT_GE(CountTiles(level, 9), 1);
      EXPECT_GE(level.lightRadius, 3);
    }
  }
}

TEST(LevelCollections, TheFirstLevelStartsTheThresherWhereTheViewCentresOnIt) {
  LevelRecord level = DecodeLevelRecord(ReadSlot(Collection("Tutorial.clvl"), 1));
  for (int row = 0; row < kLevelRows; ++row) {
    for (int column = 0; column < kLevelColumns; ++column) {
      if (level.Cell(column, row).tileCode != 1) continue;
      int x = column, y = kLevelRows - 1 - row;  // the game's y grows upward
      EXPECT_TRUE(x >= 8 && x <= 41) << x;
      EXPECT_TRUE(y >= 6 && y <= 43) << y;
    }
  }
}

Legend TestLegend() { return ParseLegend(". 0\n# 10\nP 1\nE 9\n* 21\nC 34 3\n"); }

TEST(LevelMaps, AMapIsCentredInTheLevelAndFilledAround) {
  LevelRecord level = ParseLevelMap("title: Tiny\ncolours: 1,2,3 4,5,6 7,8,9 10,11,12\nlight: 5\nmap:\nPC\n*E\n",
                                    TestLegend(), "tiny");
  EXPECT_EQ(level.Cell(24, 24), (CellText{1, 0}));
  EXPECT_EQ(level.Cell(25, 24), (CellText{34, 3}));
  EXPECT_EQ(level.Cell(24, 25), (CellText{21, 0}));
  EXPECT_EQ(level.Cell(0, 0), (CellText{10, 0}));
  EXPECT_EQ(level.colours[3], (RgbColour{10, 11, 12}));
  EXPECT_EQ(EncodeLevelRecord(level).size(), static_cast<std::size_t>(kLevelRecordLength));
}

TEST(LevelMaps, BadMapsAreRefusedWithTheirName) {
  const std::string header = "title: Bad\ncolours: 0,0,0 0,0,0 0,0,0 0,0,0\nlight: 5\n";
  auto refuses = [&](const std::string& text, const std::string& why) {
    try {
      ParseLevelMap(text, TestLegend(), "bad.txt");
      ADD_FAILURE() << "accepted a map with " << why;
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find("bad.txt"), std::string::npos) << why;
    }
  };
  refuses(header + "map:\nPE?\n", "an unknown character");
  refuses(header + "map:\nPPE\n", "two Threshers");
  refuses(header + "map:\nP..\n", "no exit");
  refuses("colours: 0,0,0 0,0,0 0,0,0 0,0,0\nlight: 5\nmap:\nPE\n", "no title");
  refuses("title: Bad_title\ncolours: 0,0,0 0,0,0 0,0,0 0,0,0\nlight: 5\nmap:\nPE\n", "an undrawable title");
  refuses(header + "time: 1000\nmap:\nPE\n", "a time limit too long for its field");
  refuses(header + "map:\n" + std::string(51, '.') + "PE\n", "a map too wide");
}

}  // namespace
}  // namespace brolt::content
