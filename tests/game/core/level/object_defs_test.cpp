#include "game/core/level/object_defs.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/test_game.h"

namespace brolt {
namespace {

using testing::TestGame;

bool IsDefined(int type) {
  static const int kDefined[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 20,
                                 21, 22, 23, 24, 25, 29, 30, 34, 39, 40, 44, 45, 50, 51, 52, 53, 54, 55, 56,
                                 57, 58, 59, 60, 61, 62, 63, 64, 70, 71, 72, 73, 74, 95, 96, 97, 98, 99};
  for (int defined : kDefined)
    if (defined == type) return true;
  return false;
}

TEST(TypeTableTest, EveryTypeReadsItsOwnValueAndATypeOutsideTheTableTheGivenOne) {
  const TypeTable<int> table([](int type) { return 1000 + type; }, -7);
  for (int type : {0, 1, 55, kObjectTypeCount - 1}) EXPECT_EQ(table[type], 1000 + type) << type;
  for (int type : {-1, kObjectTypeCount, INT_MIN, INT_MAX}) EXPECT_EQ(table[type], -7) << type;
}

TEST(ObjectDefsTest, UndefinedTypesAndTypesOutsideTheTableReadAllZero) {
  TestGame t;
  int defined = 0;
  for (int type = 0; type < kObjectTypeCount; ++type) {
    if (IsDefined(type)) {
      ++defined;
      // Every defined type has a picture to start from.
      EXPECT_GT(t.game.ObjectDefs[type].StartFrame, 0) << type;
    } else {
      EXPECT_EQ(t.game.ObjectDefs[type], ObjectDef{}) << type;
    }
  }
  EXPECT_EQ(defined, 56);
  EXPECT_EQ(t.game.ObjectDefs[100], ObjectDef{});
  EXPECT_EQ(t.game.ObjectDefs[-1], ObjectDef{});
}

TEST(ObjectDefsTest, SpeedsFollowTheGameSpeedAndShotsFlyTwiceAsFast) {
  for (int speed : {5, 9}) {
    TestGame t;
    t.game.settings.GameSpeed = speed;
    BuildObjectDefs(t.game);
    const float s = static_cast<float>(speed);
    for (int mover : {ObjThresher, ObjAraneaeA, ObjGoldUnidGnat, ObjRock, ObjHatcher, ObjBomb, ObjRockGenerator,
                      ObjKeyBlockA, ObjBlast, ObjBlastB, ObjShotPowerup, ObjRockUp})
      EXPECT_EQ(t.game.ObjectDefs[mover].Speed, s) << mover;
    EXPECT_EQ(t.game.ObjectDefs[ObjCannonShot].Speed, 2 * s);
    EXPECT_EQ(t.game.ObjectDefs[ObjThresherShot].Speed, 2 * s);
    for (int still : {ObjEmpty, ObjExitPortal, ObjWallA, ObjCannon, ObjShapedWall, ObjGrass, ObjSwitch, ObjVacated})
      EXPECT_EQ(t.game.ObjectDefs[still].Speed, 0.0f) << still;
  }
}

TEST(ObjectDefsTest, RebuildingIsStableAndAnyGameSpeedIsSafe) {
  TestGame t;
  const ObjectDefTable first = t.game.ObjectDefs;
  BuildObjectDefs(t.game);
  EXPECT_EQ(t.game.ObjectDefs.Defs, first.Defs);

  t.game.settings.GameSpeed = 2147483647;
  BuildObjectDefs(t.game);
  EXPECT_GT(t.game.ObjectDefs[ObjThresherShot].Speed, 4e9f);
  t.game.settings.GameSpeed = 0;
  BuildObjectDefs(t.game);
  EXPECT_EQ(t.game.ObjectDefs[ObjRock].Speed, 0.0f);
}

TEST(ObjectDefsTest, FlagSetsHangTogether) {
  TestGame t;
  for (int type = 0; type < kObjectTypeCount; ++type) {
    const ObjectDef& def = t.game.ObjectDefs[type];
    // Whatever falls can be pushed sideways, and only that.
    EXPECT_EQ(def.Gravity, def.SidePushable) << type;
    // Whatever wall shaping shapes counts as a wall for its neighbours.
    if (def.ShapedWall || def.WallEdge) {
      EXPECT_TRUE(def.IsWall) << type;
    }
    EXPECT_FALSE(def.ShapedWall && def.WallEdge) << type;
    EXPECT_EQ(def.IsCreature, type >= ObjAraneaeA && type <= ObjGoldUnidGnat) << type;
    EXPECT_EQ(def.IsBlast, type >= ObjBlast && type <= ObjShotBlast) << type;
    EXPECT_EQ(def.DrawDepth, type == ObjThresher ? 1 : def.IsBlast ? -1 : 0) << type;
    // Creatures cycle eight pictures of their own row.
    if (def.IsCreature) {
      EXPECT_EQ(def.FrameCount, 8);
      EXPECT_EQ(def.RowCount, 1);
      EXPECT_EQ(def.StartRow, type - 1);
    }
  }
}

TEST(ObjectDefsTest, SpotValuesWhereTheTableBreaksItsPattern) {
  TestGame t;
  const ObjectDefTable& defs = t.game.ObjectDefs;
  EXPECT_EQ(defs[ObjWallF].StartRow, 8);
  EXPECT_EQ(defs[ObjWallG].StartRow, 6);
  EXPECT_FALSE(defs[ObjWallB].Destroyable);
  EXPECT_EQ(defs[ObjShapedWallB].StartFrame, 5);
  EXPECT_EQ(defs[ObjGrass].LightDivisor, 2);
  EXPECT_EQ(defs[ObjPushBlock].LightDivisor, 4);
  EXPECT_EQ(defs[ObjPushBlock].Texture, 15);
  EXPECT_TRUE(defs[ObjBomb].ExplodesOnLanding);
  EXPECT_FALSE(defs[ObjBomb].Gravity);
  EXPECT_FALSE(defs[ObjRockC].ShotTarget);
  EXPECT_EQ(defs[ObjRockUp].ExplodeRadius, 1);
  EXPECT_EQ(defs[ObjBlastB].Texture, 16);
}

}  // namespace
}  // namespace brolt
