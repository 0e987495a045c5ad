#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "game/core/drawing/texture_id.h"
#include "game/core/level/level_colours.h"
#include "game/presentation/level_drawing/world_sprites.h"
#include "support/drawing_game.h"
#include "support/recording_render_device.h"

namespace brolt {
namespace {

using testing::DrawingGame;

// A spread of sprites over the light's edge: turned, scaled either way, of every member.
void DrawSprites(const std::function<void(const WorldSprite&, int member, std::int16_t type)>& draw, float depth) {
  const std::int16_t types[] = {ObjEmpty, ObjWallA, ObjRock, ObjUnid};
  for (int i = 0; i < 24; ++i) {
    const WorldSprite sprite{8,
                             i % 3 == 0 ? 4.0f : 8.0f,
                             static_cast<float>(i * 7 - 80) + 0.3f,
                             static_cast<float>(i * 5 - 60) - 0.6f,
                             depth,
                             static_cast<std::int16_t>(i % 8 + 1),
                             static_cast<std::int16_t>(i % 5 + 1),
                             static_cast<std::int16_t>(i * 37 - 400),
                             static_cast<float>(i % 4) - 1.5f,
                             TexMisc};
    draw(sprite, i % 4, types[i % 4]);
  }
}

void DrawMember(SpriteDrawer& drawer, const WorldSprite& sprite, int member, std::int16_t type) {
  if (member == 0) drawer.DrawSpriteRotated(sprite, type);
  if (member == 1) drawer.DrawSpriteRotatedB(sprite);
  if (member == 2) drawer.DrawSpriteRotatedC(sprite);
  if (member == 3) drawer.DrawSpriteRotatedD(sprite, type);
}

// One drawer for the sprites of a whole frame keeps what it read of the light and the view: it must
// draw exactly what a drawer made afresh for each sprite draws, the same corners, depths and colours
// with the same random numbers, with and without the depth factor that a flat frame skips.
TEST(SpriteDrawerTest, OneDrawerForManySpritesDrawsWhatADrawerForEachDraws) {
  for (const float factor : {0.0f, -0.0f, 0.5f, 1.0f}) {
    for (const float depth : {0.0f, 7.5f, -3.0f}) {
      SCOPED_TRACE(::testing::Message() << "factor " << factor << ", depth " << depth);
      DrawingGame one, each;
      RecordingRenderDevice together, apart;
      for (DrawingGame* game : {&one, &each}) {
        game->game.level.LightRadius = 60;
        game->game.level.LevelColor1 = {200, 100, 50};
        ApplyLevelColours(game->game);
        game->game.render.LightFactor = factor;
        game->game.light.ViewOriginX = 12;
        game->game.light.ViewOriginY = -7;
      }
      SpriteDrawer drawer(one.game, together);
      DrawSprites(
          [&](const WorldSprite& sprite, int member, std::int16_t type) { DrawMember(drawer, sprite, member, type); },
          depth);
      DrawSprites(
          [&](const WorldSprite& sprite, int member, std::int16_t type) {
            SpriteDrawer fresh(each.game, apart);
            DrawMember(fresh, sprite, member, type);
          },
          depth);
      EXPECT_GT(one.random.Draws, 0);
      EXPECT_EQ(one.random.Draws, each.random.Draws);
      ASSERT_EQ(together.quads.size(), apart.quads.size());
      for (std::size_t i = 0; i < together.quads.size(); ++i) {
        const RecordedQuad& a = together.quads[i];
        const RecordedQuad& b = apart.quads[i];
        EXPECT_EQ(a.blend, b.blend) << i;
        EXPECT_EQ(std::memcmp(&a.quad, &b.quad, sizeof(Quad)), 0) << i;
        for (const QuadVertex& corner : a.quad)
          EXPECT_EQ(corner.z, GetCornerDepth(one.game, corner.x, corner.y, depth)) << i;
      }
    }
  }
}

}  // namespace
}  // namespace brolt
