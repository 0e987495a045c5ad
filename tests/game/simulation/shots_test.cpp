#include <gtest/gtest.h>

#include "game/core/state/anim_kind.h"
#include "game/simulation/explosions.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::CellPoint;
using testing::TestGame;

// The Thresher on the left of a corridor along row 1, above a floor, at 60 frames a second.
class ShotTest : public ::testing::Test {
 protected:
  void Load(const std::string& corridor) {
    t.PlayPicture({corridor, std::string(corridor.size(), '#')});
  }
  bool Queued(int sound) const { return t.game.sounds.Entries[static_cast<std::size_t>(sound)].Flag; }
  // The cells of the grid that differ from those of `before`.
  std::vector<CellPoint> Changed(const LevelGrid& before) const {
    std::vector<CellPoint> changed;
    const GridBounds bounds = before.Bounds();
    for (int y = bounds.MinY; y <= bounds.MaxY; ++y)
      for (int x = bounds.MinX; x <= bounds.MaxX; ++x)
        if (!(t.game.level.Grid(x, y) == before(x, y))) changed.push_back({x, y});
    return changed;
  }
  TestGame t;
};

TEST_F(ShotTest, AShotFliesUntilItHitsAndItsTrailFadesBehindIt) {
  Load("T.....r");
  FirePlayerShot(t.game, 1, 1, 1, 0);
  EXPECT_EQ(t.Cell(1, 1).Type, ObjThresherShot);
  EXPECT_FALSE(Queued(BOMB_EXPLODE));
  int frames = 0;
  while (t.Cell(6, 1).Type == ObjRock && frames < 20) {
    t.PlayFrame();
    ++frames;
  }
  // About a cell a tick.
  EXPECT_EQ(frames, 10);
  EXPECT_EQ(t.Cell(6, 1).Type, ObjShotBlast);
  EXPECT_EQ(t.Cell(6, 1).AnimKind, AnimBlast);
  EXPECT_EQ(t.TimesHeard(BOMB_EXPLODE), 1);
  for (int x = 1; x <= 5; ++x) {
    EXPECT_EQ(t.Cell(x, 1).Type, ObjThresherShot) << x;
    EXPECT_EQ(t.Cell(x, 1).DirX, 1);
  }
  // The first cell of the trail goes while the others still fade.
  while (t.Cell(1, 1).Type == ObjThresherShot && frames < 100) {
    t.PlayFrame();
    ++frames;
  }
  EXPECT_EQ(t.Cell(1, 1).Type, ObjEmpty);
  EXPECT_EQ(t.Cell(5, 1).Type, ObjThresherShot);
  t.RunFrames(70);
  for (int x = 1; x <= 6; ++x) EXPECT_EQ(t.Cell(x, 1).Type, ObjEmpty) << x;
  EXPECT_EQ(t.explosions.size(), 0u);
}

TEST_F(ShotTest, ACannonShotFliesThroughEmptinessHitsRocksAndSetsOffTheThresher) {
  Load("T.........");
  t.Put(4, 5, ObjRock);
  t.Put(6, 5, ObjThresher);
  FireCannonShot(t.game, 2, 5, 0, 1);
  const LevelCell& flying = t.Cell(2, 5);
  EXPECT_EQ(flying.Type, ObjCannonShot);
  EXPECT_EQ(flying.AnimKind, AnimShotFlight);
  EXPECT_EQ(flying.AnimTime, 1.0f);
  EXPECT_EQ(flying.AnimEnd, 32.0f);
  EXPECT_EQ(flying.DirY, 1);
  EXPECT_FALSE(Queued(BOMB_EXPLODE));

  FireCannonShot(t.game, 4, 5, 1, 0);
  EXPECT_EQ(t.Cell(4, 5).Type, ObjBlast);
  EXPECT_EQ(t.Cell(4, 5).AnimKind, AnimBlast);
  EXPECT_TRUE(Queued(BOMB_EXPLODE));
  EXPECT_TRUE(t.explosions.empty());

  // The Thresher explodes as himself, and the shot ends there.
  FireCannonShot(t.game, 6, 5, 1, 0);
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{6, 5}}));
  EXPECT_EQ(t.Cell(6, 5).Type, ObjBlastB);
  EXPECT_TRUE(t.game.flags.Dead);
}

TEST_F(ShotTest, TheExplodingRockIsNoTargetButAShotIntoItSetsItOffAndFliesOn) {
  Load("T..o..");
  FireCannonShot(t.game, 2, 1, 1, 0);
  t.RunFrames(10);
  EXPECT_EQ(t.Cell(3, 1).Type, ObjRockB);
  EXPECT_TRUE(t.explosions.empty());

  FireCannonShot(t.game, 3, 1, 1, 0);
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{3, 1}}));
  EXPECT_EQ(t.Cell(3, 1).Type, ObjCannonShot);
  EXPECT_EQ(t.Cell(3, 1).AnimKind, AnimShotFlight);
  t.RunFrames(4);
  EXPECT_EQ(t.Cell(5, 1).Type, ObjCannonShot);
}

TEST_F(ShotTest, AShotStopsAtABlastAheadAndTriesOnlyOnce) {
  Load("T.....");
  LevelCell& blast = t.Put(3, 1, ObjBlast);
  blast.AnimKind = AnimBlast;
  blast.AnimTime = 20;
  blast.AnimEnd = 32;
  FireCannonShot(t.game, 2, 1, 1, 0);
  t.RunFrames(4);
  EXPECT_EQ(t.Cell(2, 1).FirstStepDone, 1);
  EXPECT_EQ(t.Cell(3, 1).Type, ObjBlast);
  // After the blast has gone the shot has not moved on.
  t.RunFrames(36);
  EXPECT_EQ(t.Cell(3, 1).Type, ObjEmpty);
  EXPECT_EQ(t.Cell(2, 1).Type, ObjCannonShot);
}

TEST_F(ShotTest, AShotAtTheEdgeOfTheGridEnds) {
  Load("T");
  const GridBounds bounds = t.game.level.Grid.Bounds();
  const LevelGrid before = t.game.level.Grid;
  // Fired beyond the edge it never starts.
  FireCannonShot(t.game, bounds.MaxX + 1, 5, 1, 0);
  EXPECT_TRUE(Changed(before).empty());
  // From the last column its step goes nowhere: not round into the next row, nor anywhere else.
  FireCannonShot(t.game, bounds.MaxX, 5, 1, 0);
  LevelCell& last = t.Cell(bounds.MaxX, 5);
  last.AnimTime = 2;
  t.game.timing.Tick30 = 0;
  AnimateShotFlight(t.game, bounds.MaxX, 5);
  EXPECT_EQ(t.Cell(bounds.MaxX, 5).FirstStepDone, 1);
  EXPECT_EQ(t.Cell(bounds.MaxX, 5).Type, ObjCannonShot);
  EXPECT_EQ(Changed(before), (std::vector<CellPoint>{{bounds.MaxX, 5}}));
}

}  // namespace
}  // namespace brolt
