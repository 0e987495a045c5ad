#include <gtest/gtest.h>

#include "game/simulation/level_completion.h"
#include "support/scripted_keys.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::ScriptedKeys;
using testing::TestGame;

class CheckpointTest : public ::testing::Test {
 protected:
  // The Thresher at (5, 5), a checkpoint power-up at (6, 5) resting on a wall, and what he holds
  // when he takes it.
  void PlayBesideCheckpoint() {
    t.LoadTiles({{5, 5, ObjThresher}, {6, 5, ObjCheckpointPowerup}, {6, 4, ObjWallA}});
    t.SetFrameRate(60);
    t.StartPlay();
    t.game.player.Shots = 3;
    t.game.player.Bombs = 2;
    t.game.player.FreezeTime = 4;
    t.game.player.ShieldTime = 6;
    t.game.level.UnidsNeeded = 7;
    t.game.timing.TimeLeft = 50;
    t.game.timing.LevelMinutes = 1;
    t.game.timing.LevelSeconds = 12;
    t.game.timing.LevelMs = 340;
  }
  // What a failure changes before the player restarts.
  void Fail() {
    t.game.player.Shots = 0;
    t.game.player.Bombs = 0;
    t.game.player.FreezeTime = 0;
    t.game.player.ShieldTime = 0;
    t.game.level.UnidsNeeded = 1;
    t.game.timing.TimeLeft = 3;
    t.game.timing.LevelMinutes = 2;
    t.game.timing.LevelSeconds = 40;
    t.game.timing.LevelMs = 10;
    t.game.flags.Dead = true;
    t.game.flags.FailReason = -1;
    t.game.explosions.ShieldEnabled = false;
    t.Put(20, 20, ObjRock);
  }
  void ExpectRestartedAt(int x, int y) {
    EXPECT_FLOAT_EQ(t.game.level.PlayerX, static_cast<float>(x));
    EXPECT_FLOAT_EQ(t.game.level.PlayerY, static_cast<float>(y));
    EXPECT_EQ(t.Cell(x, y), MakeCell(t.game, ObjThresher));
    EXPECT_FALSE(t.game.flags.Dead);
    EXPECT_TRUE(t.game.explosions.ShieldEnabled);
  }

  TestGame t;
  ScriptedKeys keys{t.game};
};

TEST_F(CheckpointTest, ARestartPutsTheLevelBackAsItStoodWithTheThresherOnThePowerUp) {
  PlayBesideCheckpoint();
  LevelCell& moving = t.Put(10, 10, ObjRock);
  moving.AnimTime = 2;
  moving.AnimEnd = 10;
  keys.Press(scan::Right);
  t.PlayFrame();
  EXPECT_TRUE(t.game.checkpoint.CheckpointSaved);
  EXPECT_EQ(t.game.checkpoint.SavedNoticeFrames, 120);
  EXPECT_EQ(t.TimesHeard(POWERUP_COLLECT), 1);

  Fail();
  RestoreCheckpoint(t.game);
  ExpectRestartedAt(6, 5);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjEmpty);
  EXPECT_EQ(t.Cell(20, 20).Type, ObjEmpty);
  // Every other cell keeps the motion it had.
  EXPECT_FLOAT_EQ(t.Cell(10, 10).AnimTime, 2.0f);
  EXPECT_EQ(t.game.player.Shots, 3);
  EXPECT_EQ(t.game.player.Bombs, 2);
  EXPECT_EQ(t.game.player.FreezeTime, 4);
  EXPECT_EQ(t.game.player.ShieldTime, 6);
  EXPECT_EQ(t.game.level.UnidsNeeded, 7);
  EXPECT_EQ(t.game.timing.TimeLeft, 50);
  EXPECT_EQ(t.game.timing.LevelMinutes, 1);
  EXPECT_EQ(t.game.timing.LevelSeconds, 12);
  EXPECT_EQ(t.game.timing.LevelMs, 340);
  EXPECT_EQ(t.game.flags.FailReason, 0);
  EXPECT_EQ(t.game.timing.GetReadyCount, 0);

  // The same snapshot serves every later restart.
  Fail();
  RestoreCheckpoint(t.game);
  ExpectRestartedAt(6, 5);
}

TEST_F(CheckpointTest, ACheckpointTakenFromAForceFloorRestoresAPlayableLevel) {
  PlayBesideCheckpoint();
  t.Put(5, 6, ObjWallA);
  // He came up onto the force floor: his last step points at the wall above.
  t.Cell(5, 5).DirY = 1;
  t.game.level.FloorGrid.Set(5, 5, MakeFloorCell(FloorForce, 1, 0));
  t.PlayFrame();
  ASSERT_TRUE(t.game.checkpoint.CheckpointSaved);

  Fail();
  RestoreCheckpoint(t.game);
  ExpectRestartedAt(6, 5);
  EXPECT_EQ(t.Cell(5, 6).Type, ObjWallA);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjEmpty);

  t.StartPlay();
  keys.Press(scan::Right);
  t.PlayFrame();
  EXPECT_FLOAT_EQ(t.game.level.PlayerX, 7.0f);
}

TEST_F(CheckpointTest, ACheckpointGrabbedFromBesideKeepsTheThresherWhereHeStands) {
  PlayBesideCheckpoint();
  keys.Press(scan::Space);
  keys.Press(scan::Right);
  t.PlayFrame();
  Fail();
  RestoreCheckpoint(t.game);
  ExpectRestartedAt(5, 5);
  EXPECT_EQ(t.Cell(6, 5).Type, ObjEmpty);
}

TEST_F(CheckpointTest, ASnapshotWithoutAThresherRestartsTheLevelInstead) {
  PlayBesideCheckpoint();
  // Saved in an earlier attempt, but the level has since been loaded, which empties the snapshot.
  t.game.checkpoint.CheckpointSaved = true;
  Fail();
  RestoreCheckpoint(t.game);
  ExpectRestartedAt(5, 5);
  EXPECT_EQ(t.Cell(6, 5).Type, ObjCheckpointPowerup);
  EXPECT_EQ(t.Cell(20, 20).Type, ObjEmpty);
}

}  // namespace
}  // namespace brolt
