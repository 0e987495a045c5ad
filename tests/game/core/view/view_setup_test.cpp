#include "game/core/view/view_setup.h"

#include <gtest/gtest.h>

#include "game/core/state/game.h"

namespace brolt {
namespace {

TEST(ViewSetup, TheViewBoundsLieHalfACellInsideTheWindowsEdge) {
  Game game;
  game.light.ViewOriginX = 30;
  game.level.LightRadius = 40;
  InitCamera(game);
  EXPECT_EQ(game.render.ViewMinX, -81);
  EXPECT_EQ(game.render.ViewMaxX, 81);
  EXPECT_EQ(game.render.ViewMinY, -63);
  EXPECT_EQ(game.render.ViewMaxY, 63);
  EXPECT_NEAR(game.render.HalfCellDiagonal, 6.3640, 1e-4);
  EXPECT_EQ(game.light.ViewOriginX, 0);
  DefaultColours(game);
  EXPECT_EQ(game.level.LightRadius, 0);
  EXPECT_EQ(game.level.ColourTable[0], 255);
  EXPECT_EQ(game.level.ColourTable[2], 255);
  EXPECT_EQ(game.level.ColourTable[3], 0);
}

}  // namespace
}  // namespace brolt
