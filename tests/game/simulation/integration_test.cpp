// Scenes in which several rule modules act on one another through the grid: the Thresher, gravity,
// explosions and shots, creatures, devices and checkpoints, run frame by frame as the main loop
// runs them.
#include <gtest/gtest.h>

#include "game/core/state/anim_kind.h"
#include "game/simulation/level_completion.h"
#include "support/cell_expectations.h"
#include "support/scripted_keys.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::CellPoint;
using testing::ExpectTypes;
using testing::ScriptedKeys;
using testing::TestGame;

class IntegrationTest : public ::testing::Test {
 protected:
  CellPoint Player() const {
    return {static_cast<int>(t.game.level.PlayerX), static_cast<int>(t.game.level.PlayerY)};
  }
  // Holds `arrow` alone until the Thresher stands at rest in `target` (at most `limit` frames);
  // false when he never gets there.
  bool WalkTo(int arrow, CellPoint target, int limit = 120) {
    keys.Hold({arrow});
    for (int frame = 0; frame < limit; ++frame) {
      t.PlayFrame();
      if (Player() == target && t.Cell(target.x, target.y).AnimTime == 0.0f) {
        keys.ReleaseAll();
        return true;
      }
    }
    keys.ReleaseAll();
    return false;
  }
  // Plays frames until the get-ready second after a (re)start has passed.
  void WaitUntilReady() {
    for (int frame = 0; frame < 200 && t.game.timing.GetReadyCount < t.game.timing.GetReadyTarget; ++frame)
      t.PlayFrame();
  }

  TestGame t;
  ScriptedKeys keys{t.game};
};

TEST_F(IntegrationTest, ARockLandingOnACrawlerBlastsTheThresherBesideItUnlessShielded) {
  for (const std::int16_t shield : {0, 10}) {
    t.PlayPicture({"..r...",
                   "......",
                   "..AT..",
                   "######"});
    // The crawler stands still, so that only the rock's blast can reach him.
    t.game.player.FreezeTime = 10;
    t.game.player.ShieldTime = shield;
    t.explosions.clear();
    t.RunFrames(11);
    EXPECT_TRUE(t.explosions.empty()) << shield;
    t.PlayFrame();
    ASSERT_EQ(t.explosions, (std::vector<CellPoint>{{2, 1}})) << shield;
    EXPECT_EQ(t.Cell(2, 1).Carried, ObjAraneaeA);
    EXPECT_EQ(t.Cell(2, 2).Carried, ObjRock);
    if (shield == 0) {
      EXPECT_TRUE(t.game.flags.Dead);
      EXPECT_EQ(t.Cell(3, 1).Carried, ObjThresher);
      EXPECT_GT(t.Cell(3, 1).ChainDelay, 0);
      continue;
    }
    EXPECT_FALSE(t.game.flags.Dead);
    EXPECT_EQ(t.Cell(3, 1).Type, ObjThresher);
    // He plays on: once the blast has faded past its half he walks through where the crawler was.
    EXPECT_TRUE(WalkTo(scan::Left, {1, 1}, 240));
  }
}

TEST_F(IntegrationTest, ABombTheThresherDropsBlowsAWallAwayAndOpensHisPath) {
  t.PlayPicture({"..T...",
                 "######"});
  t.Put(4, 1, ObjWallC);
  t.game.player.Bombs = 1;
  keys.Hold({scan::LeftShift, scan::Right});
  t.PlayFrame();
  ASSERT_EQ(t.Cell(3, 1).Type, ObjBomb);
  // Out of the bomb's reach before it goes off.
  ASSERT_TRUE(WalkTo(scan::Left, {1, 1}));
  for (int frame = 0; frame < 300 && t.explosions.empty(); ++frame) t.PlayFrame();
  ASSERT_EQ(t.explosions, (std::vector<CellPoint>{{3, 1}}));
  EXPECT_FALSE(t.game.flags.Dead);
  EXPECT_EQ(t.Cell(4, 1).Carried, ObjWallC);
  ExpectTypes(t.game, {{3, 0, ObjWallA}, {4, 0, ObjWallA}});
  // Past the half of its fading the blast lets him through; he walks on over the wall's place.
  t.RunFrames(40);
  EXPECT_TRUE(WalkTo(scan::Right, {5, 1}));
  EXPECT_FALSE(t.game.flags.Dead);
}

TEST_F(IntegrationTest, ACannonShotFliesUpToAGnatAndKillsIt) {
  t.PlayPicture({"g",
                 ".",
                 ".",
                 "c",
                 "#"}, 60, 5, 0);
  t.game.player.FreezeTime = 10;
  t.game.level.CannonRate = 1;
  for (int frame = 0; frame < 120 && t.explosions.empty(); ++frame) t.PlayFrame();
  ASSERT_EQ(t.explosions, (std::vector<CellPoint>{{5, 4}}));
  EXPECT_EQ(t.Cell(5, 4).Type, ObjBlast);
  EXPECT_EQ(t.Cell(5, 4).Carried, ObjGnatA);
  EXPECT_EQ(t.TimesHeard(GNAT_DIE), 1);
  // The cannon lies outside the gnat's blast.
  EXPECT_EQ(t.Cell(5, 1).Type, ObjCannon);
}

TEST_F(IntegrationTest, AGoldGnatShotDownLeavesAUnidAndALevelThatLosesItShowsAsLost) {
  // The gnat in a walled pocket: its blast marks seven walls, and only its own cell becomes a unid.
  t.PlayPicture({"..###",
                 "T..G#",
                 "#####"});
  t.game.player.FreezeTime = 30;
  t.game.player.Shots = 2;
  ASSERT_EQ(t.game.level.UnidsNeeded, 1);
  const auto fire = [this] {
    t.explosions.clear();
    keys.Hold({scan::LeftCtrl, scan::Right});
    for (int frame = 0; frame < 30 && t.explosions.empty(); ++frame) t.PlayFrame();
    keys.ReleaseAll();
    // Let the blast fade and its unids settle.
    t.RunFrames(120);
  };
  const auto unidsLeft = [this] {
    int unids = 0;
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 50; ++x) unids += t.Cell(x, y).Type == ObjUnid ? 1 : 0;
    return unids;
  };

  fire();
  ASSERT_EQ(t.explosions, (std::vector<CellPoint>{{3, 1}}));
  EXPECT_EQ(t.Cell(3, 1).Type, ObjUnid);
  // The gnat's own unid was written off for the one its blast left.
  EXPECT_EQ(unidsLeft(), 1);
  EXPECT_EQ(t.game.level.UnidsNeeded, 1);
  EXPECT_EQ(t.game.level.UnidCount, 1);

  // Shooting that unid leaves the level without enough unids, and the game sees it.
  fire();
  EXPECT_EQ(t.explosions.front(), (CellPoint{3, 1}));
  EXPECT_FALSE(t.game.flags.Dead);
  EXPECT_EQ(unidsLeft(), 0);
  EXPECT_EQ(t.game.level.UnidCount, 0);
  EXPECT_LT(t.game.level.UnidCount, t.game.level.UnidsNeeded);
}

TEST_F(IntegrationTest, AfterDeathTheCheckpointRestartPlaysOnToTheExit) {
  t.PlayPicture({"..E.",
                 "T.ug",
                 "####"});
  t.Put(1, 1, ObjCheckpointPowerup);
  // The gnat waits in his way.
  t.game.player.FreezeTime = 60;
  ASSERT_TRUE(WalkTo(scan::Right, {1, 1}));
  ASSERT_TRUE(t.game.checkpoint.CheckpointSaved);
  ASSERT_TRUE(WalkTo(scan::Right, {2, 1}));
  EXPECT_EQ(t.game.level.UnidsNeeded, 0);
  // Walking on into the gnat kills him.
  keys.Hold({scan::Right});
  t.PlayFrame();
  keys.ReleaseAll();
  ASSERT_TRUE(t.game.flags.Dead);
  t.RunFrames(30);

  RestoreCheckpoint(t.game);
  EXPECT_FALSE(t.game.flags.Dead);
  EXPECT_EQ(Player(), (CellPoint{1, 1}));
  EXPECT_EQ(t.game.level.UnidsNeeded, 1);
  ExpectTypes(t.game, {{2, 1, ObjUnid}, {3, 1, ObjGnatA}, {2, 2, ObjClosedPortal}});
  WaitUntilReady();
  ASSERT_TRUE(WalkTo(scan::Right, {2, 1}));
  t.RunFrames(10);
  EXPECT_EQ(t.Cell(2, 2).Type, ObjExitPortal);
  keys.Hold({scan::Up});
  t.PlayFrame();
  EXPECT_TRUE(t.game.flags.NameEntry);
  EXPECT_FALSE(t.game.flags.Dead);
}

}  // namespace
}  // namespace brolt
