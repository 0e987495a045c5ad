#include "game/simulation/crushing.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace brolt {
namespace {

using testing::CellPoint;
using testing::TestGame;

TEST(CrushedFromAboveTest, OnlyAFallerInMotionAboveCrushes) {
  TestGame t;
  t.LoadTiles({});
  t.Put(2, 6, ObjRock);                   // at rest
  t.Put(4, 6, ObjGnatA).AnimTime = 3;     // moving, but no faller
  t.Put(6, 6, ObjRock).AnimTime = 3;      // falling
  for (int x : {2, 4, 6}) t.Put(x, 5, ObjGnatB);
  EXPECT_FALSE(CrushedFromAbove(t.game, 2, 5));
  EXPECT_FALSE(CrushedFromAbove(t.game, 4, 5));
  EXPECT_TRUE(CrushedFromAbove(t.game, 6, 5));
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{6, 5}}));
}

}  // namespace
}  // namespace brolt
