#include "game/presentation/text/screen_quads.h"

#include <gtest/gtest.h>

#include "game/presentation/text/sheet_frames.h"
#include "support/recording_render_device.h"

namespace brolt {
namespace {

TEST(SheetFrames, FrameOneOfAnEightByEightSheetIsInsetOnEverySide) {
  FrameRect frame = SheetFrame(8, 8, 1, 1);
  EXPECT_NEAR(frame.left, 0.002f, 1e-6);
  EXPECT_NEAR(frame.right, 0.123f, 1e-6);
  EXPECT_NEAR(frame.top, 0.002f, 1e-6);
  EXPECT_NEAR(frame.bottom, 0.123f, 1e-6);
  FrameRect last = SheetFrame(8, 8, 8, 8);
  EXPECT_NEAR(last.right, 0.998f, 1e-6);
}

TEST(ScreenQuads, AnUnturnedSquareLiesOnItsCentre) {
  RecordingRenderDevice device;
  DrawQuad(device, 8, 100, 100, 1, 1, 0, 16, 6, 0x00FF8040);
  ASSERT_EQ(device.quads.size(), 1u);
  const RecordedQuad& drawn = device.quads[0];
  EXPECT_FALSE(drawn.world);
  EXPECT_EQ(drawn.blend, BlendMode::Alpha);
  EXPECT_EQ(drawn.texture, 6);
  const float expectedX[4] = {92, 92, 108, 108};
  const float expectedY[4] = {108, 92, 108, 92};  // bottom-left, top-left, bottom-right, top-right
  for (int corner = 0; corner < 4; ++corner) {
    EXPECT_NEAR(drawn.quad[corner].x, expectedX[corner], 1e-3) << corner;
    EXPECT_NEAR(drawn.quad[corner].y, expectedY[corner], 1e-3) << corner;
    EXPECT_EQ(drawn.quad[corner].colour, 0x00FF8040u);  // the colour reaches the device unchanged
  }
  EXPECT_LT(drawn.quad[1].u, drawn.quad[3].u);
  EXPECT_LT(drawn.quad[1].v, drawn.quad[0].v);
}

TEST(ScreenQuads, APositiveAngleTurnsClockwiseOnScreen) {
  RecordingRenderDevice device;
  DrawQuad(device, 8, 100, 100, 1, 1, 90, 16, 6, 0);
  const Quad& quad = device.quads[0].quad;
  // The picture's top-left corner moves to the top-right of the screen.
  EXPECT_NEAR(quad[1].x, 108, 1e-3);
  EXPECT_NEAR(quad[1].y, 92, 1e-3);
  EXPECT_NEAR(quad[0].x, 92, 1e-3);  // bottom-left goes to the top-left
  EXPECT_NEAR(quad[0].y, 92, 1e-3);
}

TEST(ScreenQuads, PanelsCarryTheirBlendAndMayBeMirrored) {
  RecordingRenderDevice device;
  DrawPanel(device, 1, 10, 20, 30, 40, 1, 1, 3, 0);
  DrawPanelB(device, 1, 10, 20, 30, 40, 1, 1, 3, 0);
  DrawPanelC(device, 1, 30, 20, 10, 40, 1, 1, 3, 0);
  ASSERT_EQ(device.quads.size(), 3u);
  EXPECT_EQ(device.quads[0].blend, BlendMode::Alpha);
  EXPECT_EQ(device.quads[1].blend, BlendMode::Exclusion);
  EXPECT_EQ(device.quads[2].blend, BlendMode::Additive);
  const Quad& panel = device.quads[0].quad;
  EXPECT_EQ(panel[0].x, 10);
  EXPECT_EQ(panel[0].y, 40);
  EXPECT_EQ(panel[3].x, 30);
  EXPECT_EQ(panel[3].y, 20);
  EXPECT_EQ(device.quads[2].quad[0].x, 30);  // left beyond right draws the panel mirrored
}

}  // namespace
}  // namespace brolt
