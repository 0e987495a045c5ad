#include "common/level_record.h"
#include "common/numeric.h"

#include <gtest/gtest.h>

namespace brolt {
namespace {

LevelRecord SampleLevel() {
  LevelRecord level;
  level.title = "First steps";
  level.colours = {RgbColour{255, 128, 0}, RgbColour{1, 2, 3}, RgbColour{40, 50, 60}, RgbColour{7, 8, 9}};
  level.lightRadius = 12;
  level.timeLimit = 300;
  level.unidAward = 5;
  level.cannonRate = 3;
  level.Cell(0, 0) = {1, 2};
  level.Cell(49, 49) = {999, 4};
  level.Cell(7, 3) = {42, 1};
  return level;
}

TEST(LevelRecordEncoding, FieldsStandAtTheirPositions) {
  std::string record = EncodeLevelRecord(SampleLevel());
  ASSERT_EQ(record.size(), 10099u);
  EXPECT_EQ(record.substr(0, 30), "First steps                   ");
  EXPECT_EQ(record.substr(30, 9), "255128000");
  EXPECT_EQ(record.substr(39, 2), "12");
  EXPECT_EQ(record.substr(41, 3), "300");
  EXPECT_EQ(record.substr(44, 5), "     ");
  EXPECT_EQ(record.substr(49, 1), "0");
  EXPECT_EQ(record.substr(50, 9), "00:00:00 ");
  EXPECT_EQ(record.substr(59, 7), "       ");
  EXPECT_EQ(record.substr(66, 27), "001002003040050060007008009");
  EXPECT_EQ(record.substr(93, 2), "  ");
  EXPECT_EQ(record.substr(95, 4), "0503");
  EXPECT_EQ(record.substr(99, 4), "0012");
  EXPECT_EQ(record.substr(99 + 4 * (50 * 3 + 7), 4), "0421");
  EXPECT_EQ(record.substr(10095, 4), "9994");
}

TEST(LevelRecordEncoding, OutOfRangeValuesAreClampedSoTheRecordKeepsItsLength) {
  LevelRecord level;
  level.title = std::string(40, 'T');
  level.colours[0] = {300, -1, 1000};
  level.lightRadius = 250;
  level.timeLimit = 5000;
  level.unidAward = 100;
  level.cannonRate = -3;
  level.bestTimeHolder = "LONGNAME";
  level.openState = 'x';
  level.cells[0] = {1000, 9};
  std::string record = EncodeLevelRecord(level);
  ASSERT_EQ(record.size(), 10099u);
  EXPECT_EQ(record.substr(30, 9), "255000255");
  EXPECT_EQ(record.substr(39, 2), "99");
  EXPECT_EQ(record.substr(41, 3), "999");
  EXPECT_EQ(record.substr(44, 5), "LONGN");
  EXPECT_EQ(record.substr(49, 1), "0");
  EXPECT_EQ(record.substr(95, 4), "9900");
  EXPECT_EQ(record.substr(99, 4), "9999");
}

TEST(LevelRecordEncoding, DecodingGivesBackWhatWasEncoded) {
  LevelRecord level = SampleLevel();
  level.bestTimeHolder = "ANN  ";
  level.openState = '2';
  level.bestTime = "01:05.42 ";
  level.compiledMarker = "zq";
  LevelRecord decoded = DecodeLevelRecord(EncodeLevelRecord(level));
  EXPECT_EQ(decoded.title, PadText("First steps", 30));
  EXPECT_EQ(decoded.colours, level.colours);
  EXPECT_EQ(decoded.lightRadius, 12);
  EXPECT_EQ(decoded.timeLimit, 300);
  EXPECT_EQ(decoded.bestTimeHolder, "ANN  ");
  EXPECT_EQ(decoded.openState, '2');
  EXPECT_EQ(decoded.bestTime, "01:05.42 ");
  EXPECT_EQ(decoded.compiledMarker, "zq");
  EXPECT_EQ(decoded.unidAward, 5);
  EXPECT_EQ(decoded.cannonRate, 3);
  EXPECT_EQ(decoded.cells, level.cells);
}

TEST(LevelRecordEncoding, AShortRecordDecodesToEmptyFieldsAndZeros) {
  LevelRecord holder = DecodeLevelRecord(kHolderRecord);
  EXPECT_EQ(holder.title, "     [HOLDER]");
  EXPECT_EQ(holder.timeLimit, 0);
  EXPECT_EQ(holder.colours[0], (RgbColour{0, 0, 0}));
  EXPECT_EQ(holder.cells[0], (CellText{0, 0}));
  EXPECT_EQ(FieldText("abc", level_field::OpenState), "");
  EXPECT_EQ(FieldNumber("abc", level_field::TimeLimit), 0);
}

TEST(LevelRecordEncoding, CellsNotWrittenAsFourDigitsReadAsTheirLeadingNumbers) {
  struct Case {
    const char* text;
    CellText cell;
  };
  const Case cases[] = {
      {"0421", {42, 1}}, {"9994", {999, 4}}, {" 12 ", {12, 0}}, {"1.5 ", {2, 0}}, {"2.52", {2, 2}},
      {"-3 2", {-3, 2}}, {"12x3", {12, 3}}, {"abcd", {0, 0}},  {"07 9", {7, 9}},  {"/:09", {0, 9}},
  };
  std::string record = EncodeLevelRecord(LevelRecord{});
  for (std::size_t i = 0; i < std::size(cases); ++i) record.replace(99 + 4 * (60 * i + 1), 4, cases[i].text);
  const LevelRecord level = DecodeLevelRecord(record);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(level.cells[60 * i + 1], cases[i].cell) << cases[i].text;
    EXPECT_EQ(DecodeCellText(record, static_cast<int>((60 * i + 1) % 50), static_cast<int>((60 * i + 1) / 50)),
              cases[i].cell)
        << cases[i].text;
  }
  // A record that stops inside a cell reads the characters it has.
  record.replace(99 + 4 * 5, 4, "0421");
  for (const auto& [kept, cell] : {std::pair{1, CellText{0, 0}}, std::pair{2, CellText{4, 0}},
                                   std::pair{3, CellText{42, 0}}, std::pair{4, CellText{42, 1}}})
    EXPECT_EQ(DecodeLevelRecord(record.substr(0, 99 + 4 * 5 + kept)).cells[5], cell) << kept;
}

TEST(LevelRecordFields, ReplacingAFieldNeverChangesTheRecordLength) {
  std::string record = EncodeLevelRecord(SampleLevel());
  EXPECT_TRUE(ReplaceField(record, level_field::OpenState, "2"));
  EXPECT_EQ(record[49], '2');
  EXPECT_FALSE(ReplaceField(record, level_field::BestTimeHolder, "AB"));
  EXPECT_EQ(record.size(), 10099u);
  std::string holder(kHolderRecord);
  EXPECT_FALSE(ReplaceField(holder, level_field::OpenState, "2"));
  EXPECT_EQ(holder, kHolderRecord);
}

TEST(TagRecord, HoldsTheIntroductionAndTheEndTextAtTheirPositions) {
  std::string tag = EncodeTagRecord("Welcome in", "Well done!");
  EXPECT_EQ(tag.substr(0, 99), std::string(99, ' '));
  EXPECT_EQ(tag.substr(99, 10), "Welcome in");
  EXPECT_EQ(tag.substr(399), "Well done!");
  EXPECT_EQ(TagIntroduction(tag), "Welcome in");
  EXPECT_EQ(TagEndText(tag), "Well done!");
  EXPECT_EQ(TagEndText(EncodeTagRecord("x", "")), "");
}

TEST(HolderRecord, IsRecognisedInAnyCase) {
  EXPECT_TRUE(IsHolderRecord("     [HOLDER]"));
  EXPECT_TRUE(IsHolderRecord("     [holder]"));
  EXPECT_FALSE(IsHolderRecord("[HOLDER]"));
}

TEST(PreviewFile, RecordOneCarriesTheTitleInParenthesesAndNoProgress) {
  LevelRecord level = SampleLevel();
  level.bestTimeHolder = "ANN";
  level.openState = '2';
  level.compiledMarker = "zq";
  std::string record = EncodePreviewRecord(level);
  ASSERT_EQ(record.size(), 10099u);
  EXPECT_EQ(record.substr(0, 30), PadText("(First steps)", 30));
  EXPECT_EQ(record.substr(44, 22), std::string(22, ' '));
  EXPECT_EQ(record.substr(66), EncodeLevelRecord(level).substr(66));
}

TEST(PreviewFile, RecordTwoSaysWhetherMusicPlays) {
  EXPECT_FALSE(PreviewWantsMusic(EncodePreviewMusicRecord(true)));
  EXPECT_TRUE(PreviewWantsMusic(EncodePreviewMusicRecord(false)));
  EXPECT_TRUE(PreviewWantsMusic(""));
  EXPECT_TRUE(PreviewWantsMusic("x"));
}

TEST(CompiledMarker, IsAcceptedInEitherCase) {
  EXPECT_TRUE(IsCompiledMarker("zq"));
  EXPECT_TRUE(IsCompiledMarker("ZQ"));
  EXPECT_TRUE(IsCompiledMarker("Zq"));
  EXPECT_FALSE(IsCompiledMarker("  "));
  EXPECT_FALSE(IsCompiledMarker("z"));
}

}  // namespace
}  // namespace brolt
