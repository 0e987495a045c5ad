#include "game/presentation/text/bitmap_text.h"

#include <gtest/gtest.h>

#include "support/recording_drawing.h"

namespace brolt {
namespace {

using testing::RecordingDrawing;

TEST(BitmapText, SkipsCharactersWithoutAGlyphButKeepsTheirPlace) {
  RecordingDrawing drawing;
  std::int16_t x = 100, y = 50;
  DrawBitmapText(drawing, 0, "Ab c_", x, y, 10, 0, 0, 0, 0x123456);
  ASSERT_EQ(drawing.quads.size(), 3u);
  EXPECT_EQ(drawing.quads[0].x, 100);
  EXPECT_EQ(drawing.quads[1].x, 110);
  EXPECT_EQ(drawing.quads[2].x, 130);
  EXPECT_EQ(drawing.quads[1].frame, 2);  // a lower-case b draws the capital's glyph
  EXPECT_EQ(drawing.quads[1].row, 1);
  EXPECT_EQ(drawing.quads[2].frame, 3);
  for (const auto& quad : drawing.quads) {
    EXPECT_EQ(quad.texture, kFontTexture);
    EXPECT_EQ(quad.framesPerSide, 8.0f);
    EXPECT_EQ(quad.colour, 0x123456u);
  }
}

TEST(BitmapText, CentresAndWritesTheComputedPlaceBack) {
  RecordingDrawing drawing;
  std::int16_t x = 0, y = 0;
  DrawBitmapText(drawing, 0, "", x, y, 10, 0, 0, 0, 0);
  EXPECT_TRUE(drawing.quads.empty());
  EXPECT_EQ(x, 325);  // 320 + size / 2
  EXPECT_EQ(y, 240);
  x = 0;
  DrawBitmapText(drawing, 0, "ABCD", x, y, 10, 0, 0, 0, 0);
  EXPECT_EQ(x, 305);
  EXPECT_EQ(drawing.quads.front().x, 305);
  EXPECT_EQ(drawing.quads.back().x, 335);
  // A second line through the same variable lines up with the first instead of centring again.
  DrawBitmapText(drawing, 0, "AB", x, y, 10, 0, 0, 0, 0);
  EXPECT_EQ(drawing.quads.back().x, 315);
}

TEST(BitmapText, WithoutAWaveEveryGlyphSitsOnTheLineAtOneAndAHalfTimesTheSize) {
  for (std::int16_t spin : {0, 77, 359}) {
    RecordingDrawing drawing;
    std::int16_t x = 20, y = 30;
    DrawBitmapText(drawing, spin, "WAVE", x, y, 12, 0, 0, 0, 0);
    for (const auto& quad : drawing.quads) {
      EXPECT_EQ(quad.y, 30);
      EXPECT_EQ(quad.size, 18);
    }
  }
}

TEST(BitmapText, TheWaveTravelsFiftyDegreesPerCharacter) {
  RecordingDrawing drawing;
  std::int16_t x = 20, y = 100;
  DrawBitmapText(drawing, 90, "AAA", x, y, 10, 0, 10, 4, 0);
  ASSERT_EQ(drawing.quads.size(), 3u);
  EXPECT_EQ(drawing.quads[0].y, 110);  // sin 90 = 1
  EXPECT_EQ(drawing.quads[0].size, 19);
  EXPECT_EQ(drawing.quads[1].y, 106);  // sin 140
  EXPECT_EQ(drawing.quads[2].y, 98);   // sin 190 is below the line
}

TEST(BitmapText, GlyphSheetOrder) {
  std::int16_t column = 0, row = 0;
  ASSERT_TRUE(FindGlyph('Z', column, row));
  EXPECT_EQ(column, 2);
  EXPECT_EQ(row, 4);
  ASSERT_TRUE(FindGlyph('\\', column, row));
  EXPECT_EQ(column, 6);
  EXPECT_EQ(row, 8);
  ASSERT_TRUE(FindGlyph('@', column, row));
  EXPECT_EQ(column, 8);
  EXPECT_EQ(row, 6);
  EXPECT_FALSE(FindGlyph('~', column, row));
  EXPECT_FALSE(FindGlyph(' ', column, row));
}

}  // namespace
}  // namespace brolt
