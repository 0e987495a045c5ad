#include "game/simulation/explosions.h"

#include <gtest/gtest.h>

#include "game/core/state/anim_kind.h"
#include "support/cell_expectations.h"
#include "support/fixed_random.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::CellPoint;
using testing::ExpectTypes;
using testing::TestGame;

// An empty level at 60 frames a second; the Thresher stands far off in (40, 40) unless a test
// places him.
class ExplosionTest : public ::testing::Test {
 protected:
  void SetUp() override { Load(60); }
  void Load(int fps) {
    t.PlayPicture({"T"}, fps, 40, 40);
  }
  bool Queued(int sound) const { return t.game.sounds.Entries[static_cast<std::size_t>(sound)].Flag; }
  TestGame t;
};

TEST_F(ExplosionTest, ABombReplacesWhatMayBeDestroyedInItsSquareAndKeepsWalls) {
  t.Put(5, 5, ObjBomb);
  t.Put(4, 6, ObjWallA);
  t.Put(5, 6, ObjRock);
  t.Put(6, 6, ObjUnid);
  t.Put(4, 5, ObjRockC);
  t.Put(6, 4, ObjThresher);
  t.Put(4, 4, ObjBomb);
  t.Put(7, 5, ObjRock);
  ExplodeAt(t.game, 5, 5);
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{5, 5}}));
  ExpectTypes(t.game, {{4, 6, ObjWallA}, {4, 5, ObjRockC}, {7, 5, ObjRock}});
  for (const CellPoint& c : std::vector<CellPoint>{{5, 6}, {6, 6}, {5, 5}, {6, 5}, {4, 4}, {5, 4}, {6, 4}}) {
    const LevelCell& blast = t.Cell(c.x, c.y);
    EXPECT_EQ(blast.Type, ObjBlast) << c.x << "," << c.y;
    EXPECT_EQ(blast.AnimKind, AnimBlast);
    EXPECT_EQ(blast.AnimTime, 1.0f);
    EXPECT_EQ(blast.AnimEnd, 32.0f);
    EXPECT_EQ(blast.Mark, 0);
  }
  EXPECT_EQ(t.Cell(5, 6).Carried, ObjRock);
  EXPECT_EQ(t.Cell(6, 5).Carried, ObjEmpty);
  EXPECT_EQ(t.Cell(5, 5).Carried, ObjBomb);
  // What explodes in turn: the unid, the bomb and the Thresher outside the centre; not the rock,
  // the empty cell or the centre itself.
  EXPECT_EQ(t.Cell(5, 6).ChainDelay, 0);
  EXPECT_EQ(t.Cell(6, 5).ChainDelay, 0);
  EXPECT_EQ(t.Cell(5, 5).ChainDelay, 0);
  EXPECT_EQ(t.Cell(6, 6).ChainDelay, 25);
  EXPECT_EQ(t.Cell(6, 6).ExplodeRadius, 1);
  EXPECT_EQ(t.Cell(4, 4).ChainDelay, 25);
  EXPECT_EQ(t.Cell(6, 4).ChainDelay, 25);
  EXPECT_EQ(t.Cell(6, 4).ExplodeRadius, 2);
  EXPECT_TRUE(t.game.flags.Dead);
  EXPECT_TRUE(Queued(BOMB_EXPLODE));
  EXPECT_FALSE(Queued(UNID_EXPLODE));
}

TEST_F(ExplosionTest, AnExplodingExitSoundsOnlyInTheCellsVisitedBeforeItsOwn) {
  t.Put(5, 5, ObjExitPortal).ExplodeRadius = 1;
  // Heard from below right: the row beneath would be nearest (9), the cells up to the exit's own
  // are 10 away.
  t.game.level.PlayerX = 6;
  t.game.level.PlayerY = -5;
  ExplodeAt(t.game, 5, 5);
  EXPECT_EQ(t.game.sounds.Entries[EXIT_EXPLODE].Distance, 10);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjBlast);
}

TEST_F(ExplosionTest, ChainDelaysFollowTheFrameRateAndTheGameSpeed) {
  for (const auto& [fps, speed, delay] : std::vector<std::tuple<int, int, int>>{
           {40, 5, 16},   // 16.4
           {60, 5, 25},   // 24.6
           {60, 9, 15},
           {60, 60, 1}})  // would be below a frame; the chain still goes off
  {
    Load(fps);
    t.game.settings.GameSpeed = speed;
    t.Put(5, 5, ObjBomb);
    t.Put(6, 5, ObjUnid);
    ExplodeAt(t.game, 5, 5);
    EXPECT_EQ(t.Cell(6, 5).ChainDelay, delay) << fps << " " << speed;
  }
}

TEST_F(ExplosionTest, ADestroyedUnidExplodesAgainAsAUnidWhenItsDelayRunsOut) {
  t.Put(5, 5, ObjBomb);
  t.Put(6, 5, ObjUnid);
  t.Put(7, 5, ObjRock);
  t.Put(7, 4, ObjWallA);
  ExplodeAt(t.game, 5, 5);
  // 25 frames later.
  t.RunFrames(24);
  EXPECT_EQ(t.explosions.size(), 1u);
  t.PlayFrame();
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{5, 5}, {6, 5}}));
  EXPECT_EQ(t.TimesHeard(UNID_EXPLODE), 1);
  // The blast at the centre keeps running.
  ExpectTypes(t.game, {{7, 5, ObjBlast}, {6, 5, ObjBlast}});
  EXPECT_EQ(t.Cell(6, 5).Carried, ObjUnid);
}

TEST_F(ExplosionTest, AUnidBlastTurnsIntoUnidsHalfwayAndRaisesTheUnidsNeeded) {
  // A gold unid gnat against a wall.
  t.Put(5, 5, ObjGoldUnidGnat);
  t.Put(6, 6, ObjWallA);
  t.game.level.UnidsNeeded = 1;
  ExplodeAt(t.game, 5, 5);
  // The wall stays, marked.
  ExpectTypes(t.game, {{5, 5, ObjBlastB}, {4, 4, ObjBlastB}, {6, 6, ObjWallA}});
  EXPECT_EQ(t.Cell(5, 5).Carried, ObjGoldUnidGnat);
  EXPECT_EQ(t.Cell(4, 4).Mark, ObjUnid);
  EXPECT_EQ(t.Cell(6, 6).Mark, ObjUnid);
  EXPECT_TRUE(Queued(UNID_EXPLODE));
  // The blast counts ticks: 15 of them, every second frame, to AnimTime 16.
  t.RunFrames(29);
  EXPECT_EQ(t.Cell(4, 4).Type, ObjBlastB);
  EXPECT_EQ(t.game.level.UnidsNeeded, 1);
  t.PlayFrame();
  // Eight more; the gnat's own unid is written off once its cell has come to rest.
  EXPECT_EQ(t.game.level.UnidsNeeded, 1 + 8 - 1);
  EXPECT_EQ(t.Cell(5, 5).AnimKind, AnimNone);
  ExpectTypes(t.game, {{5, 5, ObjUnid}, {4, 6, ObjUnid}});
}

TEST_F(ExplosionTest, TheShieldSparesTheThresherUnlessItIsDisabled) {
  t.Put(5, 5, ObjThresher);
  t.Put(6, 5, ObjBomb);
  t.game.player.ShieldTime = 3;
  // His own explosion does nothing at all.
  ExplodeAt(t.game, 5, 5);
  EXPECT_EQ(t.explosions.size(), 1u);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjThresher);
  EXPECT_FALSE(Queued(UNID_EXPLODE));
  // One beside him leaves his cell alone.
  ExplodeAt(t.game, 6, 5);
  ExpectTypes(t.game, {{5, 5, ObjThresher}, {4, 5, ObjEmpty}, {7, 5, ObjBlast}});
  EXPECT_FALSE(t.game.flags.Dead);

  // The time-out and the self-destruct key disable the shield first.
  t.Put(6, 5, ObjEmpty);
  t.game.explosions.ShieldEnabled = false;
  ExplodeAt(t.game, 5, 5);
  EXPECT_TRUE(t.game.flags.Dead);
  // Radius 2, all marked to become unids.
  ExpectTypes(t.game, {{5, 5, ObjBlastB}, {3, 3, ObjBlastB}, {8, 5, ObjEmpty}});
  EXPECT_EQ(t.Cell(5, 5).ChainDelay, 0);
  EXPECT_EQ(t.Cell(7, 7).Mark, ObjUnid);
}

TEST_F(ExplosionTest, ABlastFadesOverThirtyOneTicksShakingTheViewInItsFirstHalf) {
  for (const auto& [fps, frames] : std::vector<std::pair<int, int>>{{30, 32}, {60, 62}}) {
    Load(fps);
    testing::FixedRandom fixed(0.9);
    t.game.services.random = &fixed;
    t.Put(5, 5, ObjRock);
    ExplodeAt(t.game, 5, 5);
    const float scale = t.Cell(5, 5).Scale;
    // Every frame is a tick at 30 frames a second, every second one at 60.
    const int firstTick = fps / 30;
    t.RunFrames(firstTick);
    EXPECT_FLOAT_EQ(t.Cell(5, 5).Scale, scale + 0.9f * 5 / 33) << fps;
    EXPECT_EQ(t.Cell(5, 5).Angle, 1);
    EXPECT_FLOAT_EQ(t.game.camera.ShakeX, 1.7f);
    EXPECT_FLOAT_EQ(t.game.camera.ShakeZ, 1.7f);
    t.RunFrames(frames - firstTick - 1);
    EXPECT_EQ(t.Cell(5, 5).Type, ObjBlast) << fps;
    EXPECT_EQ(t.game.camera.ShakeY, 0.0f);
    t.PlayFrame();
    EXPECT_EQ(t.Cell(5, 5).Type, ObjEmpty) << fps;
    EXPECT_EQ(t.Cell(5, 5).Carried, ObjRock);
    EXPECT_EQ(t.Cell(5, 5).AnimTime, 0.0f);
    t.game.services.random = &t.random;
  }
}

TEST_F(ExplosionTest, NothingBeyondTheGridIsTouched) {
  const GridBounds bounds = t.game.level.Grid.Bounds();
  t.Put(bounds.MinX, bounds.MinY, ObjThresher);
  t.Put(bounds.MaxX, bounds.MaxY, ObjBomb);
  ExplodeAt(t.game, bounds.MinX, bounds.MinY);
  ExplodeAt(t.game, bounds.MaxX, bounds.MaxY);
  // The grid's corners lie in the margin around the level, where a blast makes nothing either.
  ExpectTypes(t.game, {{bounds.MinX, bounds.MinY, ObjThresher},
                       {bounds.MinX + 2, bounds.MinY + 2, ObjEmpty},
                       {bounds.MaxX, bounds.MaxY, ObjBomb},
                       {bounds.MaxX - 1, bounds.MaxY - 1, ObjEmpty}});
  EXPECT_EQ(t.Cell(bounds.MinX + 2, bounds.MinY + 2).Mark, 0);
  // An explosion centred outside has nothing to explode, not even what lies next to its centre.
  t.Put(bounds.MaxX, bounds.MaxY, ObjRock);
  ExplodeAt(t.game, bounds.MaxX + 1, bounds.MaxY);
  EXPECT_EQ(t.Cell(bounds.MaxX, bounds.MaxY).Type, ObjRock);
}

// A gold unid gnat exploding on an open edge of a designer's level: only the cells inside the level
// turn into unids, so every unid needed stays one the Thresher can reach.
TEST_F(ExplosionTest, AUnidBlastOnAnOpenEdgeMakesUnidsOnlyInsideTheLevel) {
  struct Case {
    const char* side;
    int x, y;
  };
  for (const Case& c : {Case{"left", 0, 20}, Case{"right", 49, 20}, Case{"bottom", 20, 0}, Case{"top", 20, 49}}) {
    Load(60);
    t.Put(c.x, c.y, ObjGoldUnidGnat);
    t.game.level.UnidsNeeded = 1;
    ExplodeAt(t.game, c.x, c.y);
    testing::ExpectNothingOutsideTheLevel(t.game, c.side);
    // Halfway through the blast its six cells inside are unids; the gnat's own unid is written off.
    t.RunFrames(30);
    testing::ExpectNothingOutsideTheLevel(t.game, c.side);
    EXPECT_EQ(t.game.level.UnidsNeeded, 1 + 6 - 1) << c.side;
    EXPECT_EQ(t.game.level.UnidCount, 6) << c.side;
  }
}

}  // namespace
}  // namespace brolt
