#include "game/simulation/play_update.h"

#include <gtest/gtest.h>

#include "game/simulation/cell_update.h"
#include "game/simulation/level_completion.h"
#include "game/simulation/motion.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::CellPoint;
using testing::TestGame;

class PlayUpdateTest : public ::testing::Test {
 protected:
  void Load(const std::vector<std::string>& picture) { t.PlayPicture(picture); }
  TestGame t;
};

TEST_F(PlayUpdateTest, UnidsAndPortalsAreRecountedEveryFrame) {
  // Two unids, an armored unid, a gold unid gnat and two closed exits, on a floor.
  Load({"T.uu.a.G.E.E", "############"});
  t.Put(1, 3, ObjExitPortal);
  t.PlayFrame();
  EXPECT_EQ(t.game.level.UnidCount, 4);
  EXPECT_EQ(t.game.level.PortalCount, 3);
  t.Put(2, 1, ObjEmpty);
  t.Put(9, 1, ObjBlast);
  t.PlayFrame();
  EXPECT_EQ(t.game.level.UnidCount, 3);
  EXPECT_EQ(t.game.level.PortalCount, 2);
}

TEST_F(PlayUpdateTest, ALevelStartCountsWhatIsLeftToWinBeforeItsFirstUpdate) {
  // Two unids, an armored unid, a gold unid gnat and two closed exits, on a floor.
  const std::vector<std::string> picture = {"T.uu.a.G.E.E", "############"};
  struct Case {
    const char* start;
    void (*begin)(TestGame&);
  };
  const Case cases[] = {
      {"load", [](TestGame&) {}},
      {"checkpoint restore",
       [](TestGame& t) {
         t.game.level.CheckpointGrid = t.game.level.Grid;
         // The failed attempt has lost every unid and exit, and its update has counted that.
         for (int x : {2, 3, 5, 7, 9, 11}) t.Put(x, 1, ObjEmpty);
         t.PlayFrame();
         ASSERT_EQ(t.game.level.UnidCount, 0);
         RestoreCheckpoint(t.game);
       }},
  };
  for (const Case& c : cases) {
    Load(picture);
    c.begin(t);
    EXPECT_EQ(t.game.level.UnidCount, 4) << c.start;
    EXPECT_EQ(t.game.level.PortalCount, 2) << c.start;
  }
}

TEST_F(PlayUpdateTest, BlastsMarkedByAUnidCountAsOneUntilTheGnatsUnidIsWrittenOff) {
  Load({"T.u", "###"});
  t.game.level.UnidsNeeded = 2;
  LevelCell& becomesUnid = t.Put(5, 5, ObjBlast);
  becomesUnid.Mark = ObjUnid;
  LevelCell& gnatBlast = t.Put(7, 5, ObjBlastB);
  gnatBlast.Carried = ObjGoldUnidGnat;
  gnatBlast.AnimTime = 1;
  gnatBlast.AnimEnd = 3;
  // The mark on a wall that a unid blast passed over stands for no unid.
  t.Put(9, 5, ObjWallA).Mark = ObjUnid;
  t.RunFrames(2);
  EXPECT_EQ(t.game.level.UnidCount, 3);
  EXPECT_EQ(t.game.level.UnidsNeeded, 2);
  // Its blast at rest, the gnat's unid is lost and no longer needed.
  t.PlayFrame();
  EXPECT_EQ(t.Cell(7, 5).Carried, 0);
  EXPECT_EQ(t.game.level.UnidCount, 2);
  EXPECT_EQ(t.game.level.UnidsNeeded, 1);
}

TEST_F(PlayUpdateTest, TheUnidsNeededNeverDropBelowNothing) {
  Load({"T"});
  t.game.level.UnidsNeeded = 0;
  t.Put(5, 5, ObjBlast).Carried = ObjGoldUnidGnat;
  t.PlayFrame();
  EXPECT_EQ(t.game.level.UnidsNeeded, 0);
}

TEST_F(PlayUpdateTest, WhatLeavesTheFieldIsGoneInTheSameFrame) {
  Load({"T"});
  t.Put(50, 5, ObjGnatA);
  MoveObject(t.game, 50, 5, 1, 0, 0);
  for (const CellPoint& ring : std::vector<CellPoint>{{-1, 5}, {-2, -2}, {52, 52}, {20, -1}, {20, 51}})
    t.Put(ring.x, ring.y, ObjRock);
  t.Put(50, 50, ObjRock);
  t.Put(50, 49, ObjWallA);
  t.Put(53, 5, ObjRock);
  t.PlayFrame();
  for (const CellPoint& ring : std::vector<CellPoint>{{51, 5}, {-1, 5}, {-2, -2}, {52, 52}, {20, -1}, {20, 51}})
    EXPECT_EQ(t.Cell(ring.x, ring.y).Type, ObjEmpty) << ring.x << "," << ring.y;
  EXPECT_EQ(t.Cell(50, 50).Type, ObjRock);
  EXPECT_EQ(t.Cell(53, 5).Type, ObjRock);
}

TEST_F(PlayUpdateTest, TheTimeOutExplodesTheThresherOnce) {
  Load({".....", "..T.."});
  t.game.timing.TimeLeft = 2;
  t.RunToSecondTick();
  t.RunToSecondTick();
  EXPECT_EQ(t.game.timing.TimeLeft, 0);
  EXPECT_TRUE(t.explosions.empty());
  t.PlayFrame();
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{2, 0}}));
  EXPECT_EQ(t.game.timing.TimeLeft, -2);
  EXPECT_FALSE(t.game.explosions.ShieldEnabled);
  t.RunFrames(180);
  EXPECT_EQ(t.explosions.size(), 1u);
}

TEST_F(PlayUpdateTest, WithoutATimeLimitNothingTimesOut) {
  Load({"T"});
  ASSERT_EQ(t.game.timing.TimeLeft, -1);
  t.RunFrames(300);
  EXPECT_TRUE(t.explosions.empty());
}

TEST_F(PlayUpdateTest, RestingCellsWaitForTheGetReadySecondUnlessTheThresherIsDead) {
  t.LoadPicture({"T.s"});
  t.SetFrameRate(60);
  t.game.devices.SwitchState = true;
  t.RunFrames(60);
  EXPECT_EQ(t.Cell(2, 0).Frame, 8);
  t.PlayFrame();
  EXPECT_EQ(t.Cell(2, 0).Frame, 7);

  t.LoadPicture({"T.s"});
  t.game.flags.Dead = true;
  t.PlayFrame();
  EXPECT_EQ(t.Cell(2, 0).Frame, 7);
}

TEST_F(PlayUpdateTest, OnlyCellsAtRestRunTheirRule) {
  Load({"T.s"});
  t.game.devices.SwitchState = true;
  t.Cell(2, 0).AnimTime = 1;
  t.Cell(2, 0).AnimEnd = 2;
  t.PlayFrame();
  EXPECT_EQ(t.Cell(2, 0).Frame, 8);
  t.PlayFrame();
  t.PlayFrame();
  EXPECT_EQ(t.Cell(2, 0).Frame, 7);
}

TEST_F(PlayUpdateTest, PowerUpsTickEverySecondWhileOneRuns) {
  Load({"T"});
  t.game.player.FreezeTime = 3;
  t.game.player.ShieldTime = 1;
  for (int second = 0; second < 4; ++second) t.RunToSecondTick();
  t.PlayFrame();
  // Seconds leave (2, 0), (1, 0), (0, 0), (0, 0): the last two are silent.
  EXPECT_EQ(t.game.player.FreezeTime, 0);
  EXPECT_EQ(t.game.player.ShieldTime, 0);
  EXPECT_EQ(t.TimesHeard(MENU_MOVE), 2);
}

TEST_F(PlayUpdateTest, SmallAnimationsAdvanceOnlyOnTheirTicksAndAlsoWhileMoving) {
  // The power-up rests on a wall.
  Load({"T.%.u.k", ">....#."});
  LevelCell& powerUp = t.Put(5, 1, ObjShotPowerup);
  powerUp.Frame = 1;
  powerUp.Angle = 358;
  t.Cell(4, 1).Angle = 359;
  t.Cell(4, 1).AnimTime = 1;  // a moving unid
  t.Cell(4, 1).AnimEnd = 100;
  const LevelCell grass = t.Cell(2, 1);
  t.Cell(6, 1).Angle = 300;
  t.random.Script({0.5});
  // At 60 frames a second the 30-per-second tick falls on every second frame, the 15-per-second
  // tick on every fourth.
  t.PlayFrame();
  EXPECT_EQ(t.Cell(4, 1).Angle, 359);
  EXPECT_EQ(t.Cell(6, 1).Angle, 300);
  EXPECT_EQ(t.game.level.FloorGrid(0, 0).Frame, 2);  // every frame
  t.PlayFrame();
  EXPECT_EQ(t.Cell(4, 1).Angle, 0);
  EXPECT_EQ(t.Cell(6, 1).Angle, 65);  // 300 + 25 + 100, less a turn
  EXPECT_EQ(t.Cell(2, 1).FrameRow, grass.FrameRow);
  EXPECT_EQ(t.Cell(5, 1).Angle, 358);
  t.RunFrames(2);
  EXPECT_EQ(t.Cell(2, 1).FrameRow, grass.FrameRow % 8 + 1);
  EXPECT_EQ(t.Cell(5, 1).Frame, 2);
  EXPECT_EQ(t.Cell(5, 1).Angle, 0);
  t.RunFrames(4);
  EXPECT_EQ(t.game.level.FloorGrid(0, 0).Frame, 1);
}

TEST_F(PlayUpdateTest, ADroppedBombGoesOffOnTheFourthSecondOfTheLevelClock) {
  Load({"T.b.b", "#####"});
  LevelCell& dropped = t.Cell(2, 1);
  dropped.Timer = 5;
  dropped.Frame = 5;
  for (int second = 1; second <= 3; ++second) {
    t.RunToSecondTick();
    t.PlayFrame();
    EXPECT_EQ(t.Cell(2, 1).Frame, 5 - second);
  }
  t.RunToSecondTick();
  EXPECT_TRUE(t.explosions.empty());
  t.PlayFrame();
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{2, 1}}));
  EXPECT_EQ(t.Cell(2, 1).Type, ObjBlast);
  EXPECT_EQ(t.Cell(2, 1).Carried, ObjBomb);
  // The bomb of the level has no fuse burning, and stood outside the blast.
  EXPECT_EQ(t.Cell(4, 1).Type, ObjBomb);
  EXPECT_EQ(t.Cell(4, 1).Timer, 0);
}

TEST_F(PlayUpdateTest, FusesStandWhileTheLevelClockStands) {
  Load({"T.b", "###"});
  t.Cell(2, 1).Timer = 2;
  t.game.flags.Dead = true;
  t.RunFrames(300);
  EXPECT_EQ(t.Cell(2, 1).Timer, 2);
  EXPECT_TRUE(t.explosions.empty());
}

TEST_F(PlayUpdateTest, AChainFuseExplodesItsBlastWhenItRunsOut) {
  Load({"T"});
  t.Put(5, 5, ObjBlast).ChainDelay = 3;
  t.RunFrames(2);
  EXPECT_TRUE(t.explosions.empty());
  t.PlayFrame();
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{5, 5}}));
  EXPECT_EQ(t.Cell(5, 5).ChainDelay, 0);
  t.RunFrames(5);
  EXPECT_EQ(t.explosions.size(), 1u);
}

TEST_F(PlayUpdateTest, TheThresherIsFoundWhereHeStandsUnlessDead) {
  Load({"T"});
  MoveObject(t.game, 0, 0, 0, 1, 0);
  t.PlayFrame();
  EXPECT_EQ(t.game.level.PlayerY, 1.0f);
  t.game.flags.Dead = true;
  t.Put(3, 3, ObjThresher);
  t.PlayFrame();
  EXPECT_EQ(t.game.level.PlayerX, 0.0f);
  EXPECT_EQ(t.game.level.PlayerY, 1.0f);
}

// The play update runs UpdateCell only for the types that have a rule at rest; for every other type
// it must be a no-op, whatever surrounds the cell.
TEST(CellUpdateSkipTest, TypesWithoutARestingRuleAreLeftAsTheyStand) {
  for (int type = 0; type < kObjectTypeCount; ++type) {
    TestGame t;
    t.PlayPicture({"T"}, 60, 4, 5);
    // Some codes build a cell of another type (a cannon facing another way).
    if (HasRestingRule(t.game, t.Put(5, 5, type).Type)) continue;
    std::vector<LevelCell> before;
    for (int y = 2; y <= 8; ++y)
      for (int x = 2; x <= 8; ++x) before.push_back(t.Cell(x, y));
    UpdateCell(t.game, 5, 5);
    std::size_t i = 0;
    for (int y = 2; y <= 8; ++y)
      for (int x = 2; x <= 8; ++x) EXPECT_EQ(t.Cell(x, y), before[i++]) << "type " << type << " at " << x << "," << y;
    for (const SoundRequest& request : t.game.sounds.Entries) EXPECT_FALSE(request.Flag) << "type " << type;
  }
}

}  // namespace
}  // namespace brolt
