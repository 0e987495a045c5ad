#include "game/simulation/creatures.h"

#include <gtest/gtest.h>

#include "game/core/level/grid_queries.h"
#include "game/core/state/anim_kind.h"
#include "game/simulation/cell_update.h"
#include "game/simulation/creature_directions.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::CellPoint;
using testing::TestGame;

class CreatureTest : public ::testing::Test {
 protected:
  void SetUp() override { Reload(); }
  void Reload() {
    t.LoadTiles({});
    t.SetFrameRate(60);
    t.explosions.clear();
  }
  LevelCell& Creature(int x, int y, int type, int dirX, int dirY) {
    LevelCell& cell = t.Put(x, y, type);
    cell.DirX = static_cast<std::int16_t>(dirX);
    cell.DirY = static_cast<std::int16_t>(dirY);
    return cell;
  }
  TestGame t;
};

TEST_F(CreatureTest, TheDirectionProceduresReadATwoComponentHeadingDifferently) {
  Creature(5, 5, ObjAraneaeC, 1, 1);
  t.Put(5, 6, ObjVacated);
  // TurnDirectionB and ProbeTurn read the heading as up; a vacated cell reads as free.
  const NeighbourInfo ahead = TurnDirectionB(t.game, 5, 5, TurnStraight);
  EXPECT_EQ(ahead.X, 5);
  EXPECT_EQ(ahead.Y, 6);
  EXPECT_EQ(ahead.Type, ObjEmpty);
  t.Put(6, 6, ObjWallA);
  const DiagonalProbe corner = ProbeTurn(t.game, 5, 5, TurnClockwise);
  EXPECT_EQ(corner.DX, 1);
  EXPECT_EQ(corner.DY, 1);
  EXPECT_EQ(corner.Kind, CellOccupied);
  // TurnDirectionA reads it as right: a clockwise turn heads down.
  TurnDirectionA(t.game, 5, 5, TurnClockwise);
  EXPECT_EQ(t.Cell(5, 5).DirX, 0);
  EXPECT_EQ(t.Cell(5, 5).DirY, -1);
  TurnDirectionA(t.game, 5, 5, 4);
  EXPECT_EQ(t.Cell(5, 5).DirY, -1);
  EXPECT_EQ(TurnDirectionB(t.game, 5, 5, 4).Y, 0);

  Creature(8, 5, ObjGnatA, 0, 0);
  TurnDirectionA(t.game, 8, 5, TurnBack);
  EXPECT_EQ(t.Cell(8, 5).DirX, 0);
  EXPECT_EQ(t.Cell(8, 5).DirY, 0);
  const DiagonalProbe none = ProbeTurn(t.game, 8, 5, TurnClockwise);
  EXPECT_EQ(none.Kind, 0);
  EXPECT_EQ(none.DX, 0);
}

TEST_F(CreatureTest, CrawlersKillAheadAndOnTheirWallSideFlyersOnlyAhead) {
  struct Case {
    int type, dirX, dirY, playerX, playerY;
    bool kills;
  };
  const Case cases[] = {
      {ObjAraneaeA, 1, 0, 6, 5, true},   {ObjAraneaeA, 1, 0, 5, 4, true},  {ObjAraneaeA, 1, 0, 5, 6, false},
      {ObjAraneaeB, -1, 0, 5, 4, true},  {ObjAraneaeB, -1, 0, 5, 6, false}, {ObjAraneaeC, 0, 1, 6, 5, true},
      {ObjGnatA, 0, 1, 5, 6, true},      {ObjGnatA, 0, 1, 6, 5, false},    {ObjGnatB, 0, 1, 4, 5, false},
      {ObjGoldUnidGnat, -1, 0, 4, 5, true},
  };
  for (const Case& c : cases) {
    Reload();
    Creature(5, 5, c.type, c.dirX, c.dirY);
    t.Put(c.playerX, c.playerY, ObjThresher);
    UpdateCell(t.game, 5, 5);
    const std::vector<CellPoint> expected =
        c.kills ? std::vector<CellPoint>{{c.playerX, c.playerY}} : std::vector<CellPoint>{};
    EXPECT_EQ(t.explosions, expected) << "type " << c.type << " player at " << c.playerX << "," << c.playerY;
  }
}

TEST_F(CreatureTest, AFreezeStopsCreaturesAtRestAndAShieldStopsKillingAndMarking) {
  t.game.player.FreezeTime = 1;
  Creature(5, 5, ObjAraneaeA, 1, 0);
  t.Put(6, 5, ObjThresher);
  const LevelCell before = t.Cell(5, 5);
  UpdateCell(t.game, 5, 5);
  EXPECT_TRUE(t.explosions.empty());
  EXPECT_EQ(t.Cell(5, 5), before);

  t.game.player.FreezeTime = 0;
  t.game.player.ShieldTime = 1;
  UpdateCell(t.game, 5, 5);
  EXPECT_TRUE(t.explosions.empty());
  // Beside an ObjAraneaeB an ObjAraneaeA heading up is marked, but not under a shield.
  Creature(10, 5, ObjAraneaeA, 0, 1);
  t.Put(11, 5, ObjAraneaeB);
  t.Put(10, 4, ObjWallA);
  t.Put(11, 6, ObjWallA);
  UpdateAraneaeA(t.game, 10, 5);
  ASSERT_EQ(t.Cell(10, 6).Type, ObjAraneaeA) << "the crawler goes on under the shield";
  EXPECT_FALSE(t.Cell(10, 6).CrawlerFlag);
  EXPECT_EQ(t.Cell(10, 6).Countdown, 0);
}

TEST_F(CreatureTest, AMarkedCrawlerLaysAHatcherOnItsFifthContactCheck) {
  // Heading up beside an ObjAraneaeB: marked with 5, counted to 4 by this update's own check.
  Creature(5, 5, ObjAraneaeA, 0, 1);
  t.Put(6, 5, ObjAraneaeB);
  t.Put(5, 4, ObjWallA);
  t.Put(6, 6, ObjWallA);
  UpdateAraneaeA(t.game, 5, 5);
  ASSERT_EQ(t.Cell(5, 6).Type, ObjAraneaeA);
  EXPECT_TRUE(t.Cell(5, 6).CrawlerFlag);
  EXPECT_EQ(t.Cell(5, 6).Countdown, 4);

  // On a floor it walks three cells and hatches at the fourth check.
  t.PlayPicture({".A......", "########"}, 60, 3, 3);
  t.Cell(4, 4).CrawlerFlag = true;
  t.Cell(4, 4).Countdown = 4;
  for (int frame = 0; frame < 100 && t.Cell(7, 4).Type != ObjHatcher; ++frame) t.PlayFrame();
  ASSERT_EQ(t.Cell(7, 4).Type, ObjHatcher);
  EXPECT_GE(t.Cell(7, 4).Countdown, 30);
  EXPECT_LE(t.Cell(7, 4).Countdown, 34);
  EXPECT_EQ(t.Cell(7, 4).Scale, 0.7f);
  EXPECT_EQ(t.Cell(7, 5).Type, ObjAraneaeA);
  EXPECT_FALSE(t.Cell(7, 5).CrawlerFlag);
  for (int x : {4, 5, 6}) EXPECT_EQ(t.Cell(x, 4).Type, ObjEmpty) << x;
}

TEST_F(CreatureTest, ACrawlerThatLosesItsSupportFallsInsteadOfWalking) {
  // It falls a cell from (x, 5), turned to lie on a floor and heading the way its kind walks a floor.
  const auto expectFallen = [this](int x, int type, int dirX) {
    const LevelCell& fallen = t.Cell(x, 4);
    EXPECT_EQ(fallen.Type, type);
    EXPECT_EQ(fallen.AnimKind, AnimFall);
    EXPECT_EQ(fallen.Angle, 360);
    EXPECT_EQ(fallen.DirX, dirX);
    EXPECT_EQ(fallen.DirY, 0);
    EXPECT_EQ(t.Cell(x, 5).Type, ObjVacated);
  };
  // Nothing below and nothing beside: it walks nowhere.
  Creature(5, 5, ObjAraneaeA, 1, 0);
  UpdateAraneaeA(t.game, 5, 5);
  expectFallen(5, ObjAraneaeA, 1);
  EXPECT_EQ(t.Cell(6, 5).Type, ObjEmpty);

  // A creature beside is no wall to hold on to.
  Creature(10, 5, ObjAraneaeB, 0, 1);
  t.Put(9, 5, ObjGnatA);
  t.Put(9, 6, ObjWallA);
  UpdateAraneaeB(t.game, 10, 5);
  expectFallen(10, ObjAraneaeB, -1);
  EXPECT_EQ(t.Cell(10, 6).Type, ObjEmpty);
}

TEST_F(CreatureTest, TheCellACornerStepLeavesOnAFadingFloorDoesNotFall) {
  // The floor below is a blast in its late half: the crawler steps round it, and the contact check
  // that then runs on the emptied cell finds no support there, but nothing is left to fall.
  Creature(5, 6, ObjAraneaeA, 1, 0);
  LevelCell& blast = t.Put(5, 5, ObjBlast);
  blast.AnimTime = 20;
  blast.AnimEnd = 32;
  UpdateAraneaeA(t.game, 5, 6);
  EXPECT_EQ(t.Cell(6, 5).Type, ObjAraneaeA);
  EXPECT_EQ(t.Cell(6, 5).AnimKind, AnimArc);
  EXPECT_EQ(t.Cell(5, 6).Type, ObjEmpty);
  EXPECT_EQ(t.Cell(5, 6).AnimTime, 0.0f);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjBlast);
  EXPECT_EQ(t.Cell(5, 5).AnimTime, 20.0f);
}

TEST_F(CreatureTest, AraneaeCStopsAboveAPlayerItSeesAndKeepsBothHeadingComponents) {
  Creature(5, 8, ObjAraneaeC, 0, -1);
  t.Put(4, 8, ObjWallA);
  t.Put(4, 7, ObjWallA);
  t.Put(5, 3, ObjThresher);
  t.game.level.PlayerX = 5;
  t.game.level.PlayerY = 3;
  UpdateAraneaeC(t.game, 5, 8);
  EXPECT_EQ(t.Cell(5, 8).Angle, 0);
  EXPECT_EQ(t.Cell(5, 8).DirX, 1);
  EXPECT_EQ(t.Cell(5, 8).DirY, -1);
  EXPECT_EQ(t.Cell(5, 8).AnimTime, 0.0f);
}

TEST_F(CreatureTest, ACrawlerWaitsBeforeAnEarlyBlastAndWalksIntoALateOne) {
  Creature(5, 5, ObjAraneaeB, -1, 0);
  t.Put(5, 4, ObjWallA);
  LevelCell& blast = t.Put(4, 5, ObjBlast);
  blast.AnimTime = 16;
  blast.AnimEnd = 32;
  UpdateAraneaeB(t.game, 5, 5);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjAraneaeB);
  EXPECT_EQ(t.Cell(5, 5).AnimTime, 0.0f);
  t.Cell(4, 5).AnimTime = 17;
  UpdateAraneaeB(t.game, 5, 5);
  EXPECT_EQ(t.Cell(4, 5).Type, ObjAraneaeB);
  EXPECT_EQ(t.Cell(4, 5).AnimKind, AnimMove);
}

TEST_F(CreatureTest, BlockedGnatsTurnInPlaceEachTheirWay) {
  Creature(5, 5, ObjGnatA, 0, 1);
  Creature(8, 5, ObjGnatB, 0, 1);
  t.Put(5, 6, ObjWallA);
  t.Put(8, 6, ObjWallA);
  t.StartPlay();
  t.PlayFrame();
  EXPECT_EQ(t.Cell(5, 5).Moving, 1);
  EXPECT_EQ(t.Cell(5, 5).DirX, 1);
  EXPECT_EQ(t.Cell(8, 5).Moving, -1);
  EXPECT_EQ(t.Cell(8, 5).DirX, -1);
  EXPECT_EQ(t.Cell(5, 5).AnimKind, AnimTurn);
  EXPECT_EQ(t.Cell(5, 5).AnimEnd, 12.0f);
  // 360 + 7.5 rounds to the even 368; the other way 352.
  EXPECT_EQ(t.Cell(5, 5).Angle, 368);
  EXPECT_EQ(t.Cell(8, 5).Angle, 352);
  t.RunFrames(11);
  EXPECT_EQ(t.Cell(5, 5).AnimTime, 0.0f);
  EXPECT_EQ(t.TimesHeard(GNAT_FLY), 12);
  t.PlayFrame();
  EXPECT_EQ(t.Cell(6, 5).Type, ObjGnatA);
  EXPECT_EQ(t.Cell(7, 5).Type, ObjGnatB);
}

TEST_F(CreatureTest, TheGoldChaserTurnsOnlyClockwiseUntilItHeadsForThePlayer) {
  t.PlayPicture({"T.G"}, 60, 3, 5);
  std::vector<std::pair<int, int>> headings;
  for (int frame = 0; frame < 100 && t.Cell(5, 5).Type == ObjGoldUnidGnat; ++frame) {
    t.PlayFrame();
    const LevelCell& gnat = t.Cell(5, 5);
    if (gnat.AnimKind == AnimTurn) {
      EXPECT_EQ(gnat.Moving, 1);
    }
    const std::pair<int, int> heading{gnat.DirX, gnat.DirY};
    if (gnat.Type == ObjGoldUnidGnat && (headings.empty() || headings.back() != heading)) headings.push_back(heading);
  }
  EXPECT_EQ(headings, (std::vector<std::pair<int, int>>{{1, 0}, {0, -1}, {-1, 0}}));
  // It flies at the player and kills him from the cell beside; his blast takes the gnat too.
  for (int frame = 0; frame < 100 && t.explosions.empty(); ++frame) t.PlayFrame();
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{3, 5}}));
  EXPECT_EQ(t.Cell(3, 5).Carried, ObjThresher);
  EXPECT_EQ(t.Cell(4, 5).Carried, ObjGoldUnidGnat);
}

TEST_F(CreatureTest, CreatureSoundsFollowTheKind) {
  t.Put(1, 1, ObjAraneaeC);
  t.Put(2, 1, ObjGoldUnidGnat);
  t.Put(3, 1, ObjRock);
  PlayCreatureSound(t.game, 1, 1);
  PlayCreatureDeathSound(t.game, 2, 1);
  PlayCreatureSound(t.game, 3, 1);
  PlayCreatureDeathSound(t.game, 3, 1);
  int requested = 0;
  for (const SoundRequest& entry : t.game.sounds.Entries) requested += entry.Flag ? 1 : 0;
  EXPECT_EQ(requested, 2);
  EXPECT_TRUE(t.game.sounds.Entries[ARANEAE_CRAWL].Flag);
  EXPECT_TRUE(t.game.sounds.Entries[GNAT_DIE].Flag);
}

}  // namespace
}  // namespace brolt
