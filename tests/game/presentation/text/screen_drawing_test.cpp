#include "game/presentation/text/screen_drawing.h"

#include <gtest/gtest.h>

#include "game/core/state/game.h"
#include "game/presentation/text/bitmap_text.h"
#include "support/drawing_game.h"
#include "support/recording_render_device.h"

namespace brolt {
namespace {

using testing::CentreX;
using testing::CentreY;

class ScreenTextTest : public ::testing::Test {
 protected:
  Game game;
  RecordingRenderDevice device;
  ScreenDrawing drawing{game, device};
};

TEST_F(ScreenTextTest, ALineWithABlankIsCentredOnTheScreenGlyphByGlyph) {
  std::int16_t x = 0, y = 0;
  drawing.DrawText("a b", x, y, 10, 0, 0, 0, 0x00102030);
  EXPECT_EQ(x, 310);
  EXPECT_EQ(y, 240);
  ASSERT_EQ(device.quads.size(), 2u);  // the blank keeps its place but draws nothing
  const float centres[2] = {310, 330};
  for (std::size_t i = 0; i < 2; ++i) {
    const RecordedQuad& glyph = device.quads[i];
    EXPECT_FALSE(glyph.world);
    EXPECT_EQ(glyph.texture, kFontTexture);
    EXPECT_EQ(glyph.blend, BlendMode::Alpha);
    EXPECT_NEAR(CentreX(glyph.quad), centres[i], 1e-3);
    EXPECT_NEAR(CentreY(glyph.quad), 240, 1e-3);
    // Unturned squares one and a half characters wide.
    EXPECT_NEAR(glyph.quad[2].x - glyph.quad[0].x, 15, 1e-3);
    EXPECT_NEAR(glyph.quad[0].y - glyph.quad[1].y, 15, 1e-3);
    for (const QuadVertex& corner : glyph.quad) EXPECT_EQ(corner.colour, 0x00102030u);
  }
  EXPECT_NEAR(device.quads[1].quad[0].u, 1.0f / 8 + 0.002f, 1e-6);  // B: the second column of the sheet
}

TEST_F(ScreenTextTest, TheWaveStartsAtTheFramesSpinAngle) {
  game.timing.SpinAngle = 90;
  std::int16_t x = 100, y = 200;
  drawing.DrawText("AA", x, y, 10, 0, 10, 4, 0);
  ASSERT_EQ(device.quads.size(), 2u);
  EXPECT_NEAR(CentreY(device.quads[0].quad), 210, 1e-3);  // sin 90 = 1: ten pixels down
  EXPECT_NEAR(device.quads[0].quad[2].x - device.quads[0].quad[0].x, 19, 1e-3);
  EXPECT_NEAR(CentreY(device.quads[1].quad), 206, 1e-3);  // sin 140
  EXPECT_NEAR(device.quads[1].quad[2].x - device.quads[1].quad[0].x, 18, 1e-3);  // 15 + 2.57
}

}  // namespace
}  // namespace brolt
