#include "editor/model/level_conversion.h"

#include <gtest/gtest.h>

#include "common/level_record.h"

namespace brolt::editor {
namespace {

TEST(LevelConversion, TheRecordTheEditorWritesReadsBackFieldByFieldAtTheGamesPositions) {
  LevelState level;
  level.LevelTitle = "Twenty-nine characters long!!";
  level.LevelColor = {"1,2,3", "010,020,030", "255,0,128", "7,8,9"};
  level.LightRadius = 12;
  level.TimeLimit = 345;
  level.UnidAward = 6;
  level.CannonRate = 78;
  level.Cell(0, 0) = {1, 2, 0, false};
  level.Cell(49, 0) = {999, 4, 0, false};
  level.Cell(3, 49) = {45, 0, 0, false};
  level.Cell(4, 4) = {0, 3, 0, false};    // an empty cell keeps no direction
  level.Cell(5, 5) = {20, 7, 0, false};   // a direction the files can't hold
  level.Map[50][50].TileCode = 12;        // outside the level: never written

  const std::string record = EncodeLevelRecord(ToLevelRecord(level));
  ASSERT_EQ(record.size(), 10099u);
  struct Field {
    int position;
    std::string text;
  };
  for (const Field& field : {Field{1, "Twenty-nine characters long!! "}, Field{31, "001002003"}, Field{40, "12"},
                             Field{42, "345"}, Field{45, "     0" "00:00:00 " "       "},
                             Field{67, "010020030" "255000128" "007008009"}, Field{94, "  0678"},
                             Field{100, "0012"}, Field{100 + 4 * 49, "9994"}, Field{100 + 4 * (50 * 49 + 3), "0450"},
                             Field{100 + 4 * (50 * 4 + 4), "0000"}, Field{100 + 4 * (50 * 5 + 5), "0200"}})
    EXPECT_EQ(record.substr(static_cast<std::size_t>(field.position - 1), field.text.size()), field.text)
        << "at " << field.position;

  LevelState read;
  ApplyLevelRecord(DecodeLevelRecord(record), read);
  EXPECT_EQ(read.LevelColor, (std::array<std::string, 4>{"1,2,3", "10,20,30", "255,0,128", "7,8,9"}));
  EXPECT_EQ(read.LightRadius, 12);
  EXPECT_EQ(read.TimeLimit, 345);
  EXPECT_EQ(read.UnidAward, 6);
  EXPECT_EQ(read.CannonRate, 78);
  EXPECT_EQ(read.Cell(49, 0), (MapCell{999, 4, 0, false}));
  EXPECT_EQ(read.Cell(3, 49).TileCode, 45);
  EXPECT_EQ(read.Map[50][50].TileCode, 0);
}

TEST(LevelConversion, ReadingEmptiesTheWholeMapAndTakesBadDirectionsAndBlankNumbersAsZero) {
  std::string record = EncodeLevelRecord(LevelRecord{});
  record.replace(39, 2, "  ");                    // a blank light radius
  record.replace(100 + 4 * (50 * 2 + 1) - 1, 4, "0217");  // direction 7 at (1, 2)
  record.replace(100 + 4 * (50 * 3 + 1) - 1, 4, "021 ");  // a blank direction at (1, 3)
  LevelState level;
  level.Map[50][3] = {5, 1, 0, false};
  level.Cell(7, 7) = {5, 1, 0, false};
  ApplyLevelRecord(DecodeLevelRecord(record), level);
  EXPECT_EQ(level.LightRadius, 0);
  EXPECT_EQ(level.Cell(1, 2).Direction, 0);
  EXPECT_EQ(level.Cell(1, 2).TileCode, 21);
  EXPECT_EQ(level.Cell(1, 3).Direction, 0);
  EXPECT_EQ(level.Cell(7, 7).TileCode, 0);
  EXPECT_EQ(level.Map[50][3].TileCode, 0);
}

TEST(ColorText, ComponentsAreClampedAndPaddedFormsAreTheSameColour) {
  EXPECT_EQ(ColorTextToRgb("000,128,255"), (RgbColour{0, 128, 255}));
  EXPECT_EQ(ColorTextToRgb("300,-4,7"), (RgbColour{255, 0, 7}));
  EXPECT_EQ(ColorTextToRgb("12"), (RgbColour{12, 0, 0}));
  EXPECT_EQ(RgbToColorText({0, 128, 255}), "0,128,255");
}

}  // namespace
}  // namespace brolt::editor
