#include "game/presentation/level_drawing/world_sprites.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/numeric.h"
#include "game/core/drawing/texture_id.h"
#include "game/core/level/level_colours.h"
#include "game/presentation/text/sheet_frames.h"
#include "support/drawing_game.h"
#include "support/recording_render_device.h"

namespace brolt {
namespace {

using testing::CentreX;
using testing::CentreY;
using testing::DrawingGame;

constexpr float kCellRadius = 6.3639612f;  // half the diagonal of a 9-unit cell

class WorldSpritesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.game.level.LightRadius = 90;
    t.game.level.LevelColor1 = {200, 100, 50};
    ApplyLevelColours(t.game);
  }
  // A sprite of one cell's picture (1, 1) of an 8 x 8 sheet at (10, 20).
  static WorldSprite Sprite(float scale = 0, std::int16_t angle = 0) {
    return {8, 8, 10, 20, 0, 1, 1, angle, scale, TexMisc};
  }
  // A drawer made afresh for each sprite, as the light may have changed in between.
  SpriteDrawer Drawer() { return SpriteDrawer(t.game, device); }
  const Quad& Only() {
    EXPECT_EQ(device.quads.size(), 1u);
    return device.quads.back().quad;
  }
  DrawingGame t;
  RecordingRenderDevice device;
};

TEST_F(WorldSpritesTest, AnUnscaledSpriteCoversOneCellWithItsCornersInStripOrder) {
  Drawer().DrawSpriteRotated(Sprite(), ObjEmpty);
  const Quad& quad = Only();
  EXPECT_TRUE(device.quads[0].world);
  EXPECT_EQ(device.quads[0].blend, BlendMode::Alpha);
  EXPECT_EQ(device.quads[0].texture, TexMisc);
  const float xs[4] = {5.5f, 5.5f, 14.5f, 14.5f};
  const float ys[4] = {15.5f, 24.5f, 15.5f, 24.5f};
  for (int corner = 0; corner < 4; ++corner) {
    EXPECT_NEAR(quad[corner].x, xs[corner], 1e-3) << corner;
    EXPECT_NEAR(quad[corner].y, ys[corner], 1e-3) << corner;
  }
  EXPECT_NEAR(quad[0].u, 0.002f, 1e-6);
  EXPECT_NEAR(quad[2].u, 0.123f, 1e-6);
  EXPECT_NEAR(quad[1].v, 0.002f, 1e-6);  // the picture's top is the top of the frame
  EXPECT_NEAR(quad[0].v, 0.123f, 1e-6);
}

TEST_F(WorldSpritesTest, ScaleZeroIsOneCellAndOnlyCAndDShrinkAndHalfTurnOnANegativeScale) {
  Drawer().DrawSpriteRotated(Sprite(1), ObjEmpty);
  Drawer().DrawSpriteRotated(Sprite(0), ObjEmpty);
  Drawer().DrawSpriteRotated(Sprite(-2), ObjEmpty);
  Drawer().DrawSpriteRotatedB(Sprite(-2));
  Drawer().DrawSpriteRotatedD(Sprite(-2), ObjEmpty);
  Drawer().DrawSpriteRotatedC(Sprite(-2));
  Drawer().DrawSpriteRotated(Sprite(2), ObjEmpty);
  ASSERT_EQ(device.quads.size(), 7u);
  auto radius = [&](int i) {
    const Quad& quad = device.quads[static_cast<std::size_t>(i)].quad;
    return std::hypot(quad[0].x - 10, quad[0].y - 20);
  };
  for (int i : {0, 1, 2, 3}) EXPECT_NEAR(radius(i), kCellRadius, 1e-4) << i;
  for (int i : {4, 5}) {
    EXPECT_NEAR(radius(i), kCellRadius / 2, 1e-4) << i;
    // Corner 0, the picture's bottom-left, lies up and to the right: the picture is upside down.
    EXPECT_GT(device.quads[static_cast<std::size_t>(i)].quad[0].x, 10) << i;
    EXPECT_GT(device.quads[static_cast<std::size_t>(i)].quad[0].y, 20) << i;
  }
  EXPECT_NEAR(radius(6), kCellRadius * 2, 1e-4);
}

TEST_F(WorldSpritesTest, TheMembersDifferInBlendMirrorAndLight) {
  Drawer().DrawSpriteRotated(Sprite(), ObjWallA);
  Drawer().DrawSpriteRotatedB(Sprite());
  Drawer().DrawSpriteRotatedC(Sprite());
  Drawer().DrawSpriteRotatedD(Sprite(), ObjWallA);
  ASSERT_EQ(device.quads.size(), 4u);
  const Quad& plain = device.quads[0].quad;
  const Quad& mirrored = device.quads[1].quad;
  EXPECT_EQ(mirrored[0].u, plain[2].u);
  EXPECT_EQ(mirrored[2].u, plain[0].u);
  EXPECT_EQ(mirrored[0].x, plain[0].x);
  EXPECT_EQ(device.quads[1].blend, BlendMode::Alpha);
  EXPECT_EQ(device.quads[2].blend, BlendMode::Exclusion);
  EXPECT_EQ(device.quads[3].blend, BlendMode::Alpha);
  for (int corner = 0; corner < 4; ++corner) {
    const QuadVertex& wall = plain[corner];
    const int x = RoundToInt16(wall.x), y = RoundToInt16(wall.y);
    // The plain sprite takes the wall's level colour; the mirrored one lights as an empty cell.
    t.random.Script({0.0, 0.0, 0.0});
    EXPECT_EQ(wall.colour, GetCellColour(t.game, x, y, ObjWallA)) << corner;
    t.random.Script({0.0, 0.0, 0.0});
    EXPECT_EQ(mirrored[corner].colour, GetCellColour(t.game, x, y, ObjEmpty)) << corner;
    EXPECT_EQ(device.quads[2].quad[corner].colour, GetCellColourScaled(t.game, x, y, ObjEmpty)) << corner;
    EXPECT_EQ(device.quads[3].quad[corner].colour, GetCellColourScaled(t.game, x, y, ObjWallA)) << corner;
  }
}

TEST_F(WorldSpritesTest, CornerAnglesDoNotOverflowAtTheEndOfTheAngleRange) {
  for (const std::int16_t angle : {std::int16_t{32767}, std::int16_t{-32768}}) {
    device.quads.clear();
    Drawer().DrawSpriteRotated(Sprite(0, angle), ObjEmpty);
    const double turns[4] = {45, 135, -45, -135};
    for (int corner = 0; corner < 4; ++corner) {
      const double t = (angle + turns[corner]) * kDegreesToRadians;
      EXPECT_NEAR(Only()[corner].x, 10 - kCellRadius * std::sin(t), 1e-3) << angle;
      EXPECT_NEAR(Only()[corner].y, 20 - kCellRadius * std::cos(t), 1e-3) << angle;
    }
  }
}

TEST_F(WorldSpritesTest, AQuadWithoutATextureDrawsNothingAndAsksNothingOfTheLight) {
  WorldSprite none = Sprite();
  none.texture = TexNone;
  WorldSprite beyond = Sprite();
  beyond.texture = kTextureSlots + 1;
  t.game.level.LightRadius = 1;  // every corner would flicker and draw random numbers
  Drawer().DrawSpriteRotated(none, ObjInertTile);
  Drawer().DrawSpriteRotatedD(beyond, ObjEmpty);
  DrawBackgroundQuad(t.game, device, 0, 0, 0, 0, 1, 0, 1, 0, TexNone);
  EXPECT_TRUE(device.quads.empty());
  EXPECT_EQ(t.random.Draws, 0);
}

TEST_F(WorldSpritesTest, CornersSinkWithTheDepthFactorAndTheTableClampsAtItsEdge) {
  t.game.render.LightFactor = 0.5f;
  EXPECT_EQ(GetCornerDepth(t.game, 0, 0, 5), 5);
  EXPECT_EQ(GetCornerDepth(t.game, 3.9f, 4.9f, 5), 2);     // the table is read at (3, 4): distance 5
  EXPECT_EQ(GetCornerDepth(t.game, -0.5f, 0, 5), 4);      // at (-1, 0): 4.5 rounds to even
  EXPECT_EQ(GetCornerDepth(t.game, 500, 0, 10), -80);     // read at the edge, 180
  EXPECT_EQ(GetCornerDepth(t.game, -1e9f, 1e9f, 0), -128);  // the corner (-180, 180): 255
  Drawer().DrawSpriteRotated(Sprite(), ObjEmpty);
  for (const QuadVertex& corner : Only())
    EXPECT_EQ(corner.z, GetCornerDepth(t.game, corner.x, corner.y, 0));
}

TEST_F(WorldSpritesTest, ABackgroundQuadSpansItsTextureAndIsLitOnlyWithoutAColour) {
  DrawBackgroundQuad(t.game, device, 10, 20, 7, 0, 2, 0x00123456, 3, 0.5f, TexBack);
  DrawBackgroundQuad(t.game, device, 10, 20, 7, 0, -2, 0, 1, 0, TexBack);
  ASSERT_EQ(device.quads.size(), 2u);
  const Quad& coloured = device.quads[0].quad;
  EXPECT_EQ(device.quads[0].blend, BlendMode::Additive);
  EXPECT_NEAR(std::hypot(coloured[0].x - 10, coloured[0].y - 20), 20, 1e-4);
  const float us[4] = {0.5f, 0.5f, 3.5f, 3.5f};
  const float vs[4] = {3.5f, 0.5f, 3.5f, 0.5f};
  for (int corner = 0; corner < 4; ++corner) {
    EXPECT_EQ(coloured[corner].colour, 0x00123456u);
    EXPECT_EQ(coloured[corner].z, 7);
    EXPECT_EQ(coloured[corner].u, us[corner]);
    EXPECT_EQ(coloured[corner].v, vs[corner]);
  }
  const Quad& lit = device.quads[1].quad;
  EXPECT_NEAR(std::hypot(lit[0].x - 10, lit[0].y - 20), 5, 1e-4);
  for (const QuadVertex& corner : lit) {
    t.random.Script({0.0, 0.0, 0.0});
    EXPECT_EQ(corner.colour, GetCellColour(t.game, RoundToInt16(corner.x), RoundToInt16(corner.y), ObjEmpty));
  }
}

}  // namespace
}  // namespace brolt
