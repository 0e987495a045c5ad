#include "game/core/level/grid_queries.h"

#include <gtest/gtest.h>

#include "game/core/level/cell_construction.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::TestGame;

TEST(GridQueriesTest, KindAndOccupationOfEachSortOfCell) {
  TestGame t;
  t.LoadTiles({{1, 1, 1}});
  LevelGrid& grid = t.game.level.Grid;
  auto place = [&](int x, int type, float animTime, float animEnd) {
    grid(x, 5) = MakeCell(t.game, type);
    grid(x, 5).AnimTime = animTime;
    grid(x, 5).AnimEnd = animEnd;
  };
  place(2, ObjVacated, 1, 4);
  place(3, ObjRock, 0, 0);
  place(4, ObjBlast, 16, 32);
  place(5, ObjBlast, 16.5f, 32);
  place(6, ObjBlastB, 20, 32);
  place(7, ObjThresherShot, 3, 4);
  place(8, ObjShotBlast, 0, 0);
  struct Case {
    int x;
    CellKind kind;
    bool occupied;
  };
  const Case cases[] = {
      {1, CellEmpty, false},          {2, CellEmpty, true},
      {3, CellOccupied, true},        {4, CellBlastFirstHalf, true},
      {5, CellBlastSecondHalf, false}, {6, CellOccupied, true},
      {7, CellBlastSecondHalf, false}, {8, CellBlastFirstHalf, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetCellKind(t.game, c.x, 5), c.kind) << c.x;
    EXPECT_EQ(IsCellOccupied(t.game, c.x, 5), c.occupied) << c.x;
  }
  EXPECT_EQ(GetCellKind(t.game, 1000, 5), CellEmpty);
  EXPECT_FALSE(IsCellOccupied(t.game, -1000, 5));
}

// A level of empty cells for placing cells by hand.
class CellPredicatesTest : public ::testing::Test {
 protected:
  void SetUp() override { t.LoadTiles({}); }
  LevelCell& Blast(int x, int y, int type, float animTime, float animEnd) {
    LevelCell& cell = t.Put(x, y, type);
    cell.AnimTime = animTime;
    cell.AnimEnd = animEnd;
    return cell;
  }
  TestGame t;
};

TEST_F(CellPredicatesTest, ABlastIsDeadlyBeforeItsHalfAndEnterableAfterIt) {
  for (float time : {15.0f, 16.0f, 17.0f}) Blast(static_cast<int>(time), 5, ObjBlast, time, 32);
  EXPECT_TRUE(IsDeadlyForPlayer(t.game, 15, 5));
  EXPECT_FALSE(CanPlayerEnter(t.game, 15, 5));
  // At exactly the half the blast neither kills nor lets the Thresher in.
  EXPECT_FALSE(IsDeadlyForPlayer(t.game, 16, 5));
  EXPECT_FALSE(CanPlayerEnter(t.game, 16, 5));
  EXPECT_FALSE(IsDeadlyForPlayer(t.game, 17, 5));
  EXPECT_TRUE(CanPlayerEnter(t.game, 17, 5));
  // The Thresher's shot never kills him; the blast of his own explosion can never be entered.
  Blast(20, 5, ObjThresherShot, 1, 32);
  Blast(21, 5, ObjBlastB, 1, 32);
  Blast(22, 5, ObjBlastB, 31, 32);
  EXPECT_FALSE(IsDeadlyForPlayer(t.game, 20, 5));
  EXPECT_TRUE(IsDeadlyForPlayer(t.game, 21, 5));
  EXPECT_FALSE(CanPlayerEnter(t.game, 22, 5));
}

TEST_F(CellPredicatesTest, WhatTheThresherMayEnter) {
  t.Put(2, 5, ObjVacated);
  t.Put(3, 5, ObjShotPowerup);
  t.Put(4, 5, ObjRock);
  t.Put(5, 5, ObjAraneaeA);
  EXPECT_TRUE(CanPlayerEnter(t.game, 2, 5));
  EXPECT_TRUE(CanPlayerEnter(t.game, 3, 5));
  EXPECT_FALSE(CanPlayerEnter(t.game, 4, 5));
  EXPECT_FALSE(CanPlayerEnter(t.game, 5, 5));
  EXPECT_TRUE(IsDeadlyForPlayer(t.game, 5, 5));
  // The empty margin beyond the level is no place for him.
  EXPECT_TRUE(CanPlayerEnter(t.game, 49, 49));
  EXPECT_FALSE(CanPlayerEnter(t.game, 50, 5));
  EXPECT_FALSE(CanPlayerEnter(t.game, 5, -1));
}

TEST_F(CellPredicatesTest, FallingIntoBlastsWaitsLongerAtSlowerGameSpeeds) {
  Blast(1, 5, ObjBlast, 27, 32);
  Blast(2, 5, ObjBlast, 26, 32);
  Blast(3, 5, ObjBlast, 31, 32).Mark = ObjUnid;
  Blast(4, 5, ObjBlast, 31, 32).Carried = ObjUnid;
  Blast(5, 5, ObjCannonShot, 1, 32);
  t.Put(6, 5, ObjVacated);
  t.game.settings.GameSpeed = 5;  // free after 0.82 of the blast: 26.24 frames of 32
  EXPECT_TRUE(IsFreeForFalling(t.game, 1, 5));
  EXPECT_FALSE(IsFreeForFalling(t.game, 2, 5));
  EXPECT_FALSE(IsFreeForFalling(t.game, 3, 5));
  EXPECT_FALSE(IsFreeForFalling(t.game, 4, 5));
  EXPECT_TRUE(IsFreeForFalling(t.game, 5, 5));
  EXPECT_FALSE(IsFreeForFalling(t.game, 6, 5));
  EXPECT_TRUE(IsFreeForFalling(t.game, 7, 5));
  t.game.settings.GameSpeed = 9;  // free after the half
  Blast(1, 5, ObjBlast, 16, 32);
  Blast(2, 5, ObjBlast, 17, 32);
  EXPECT_FALSE(IsFreeForFalling(t.game, 1, 5));
  EXPECT_TRUE(IsFreeForFalling(t.game, 2, 5));
}

TEST_F(CellPredicatesTest, TheThresherIsSeenAlongARowOrColumnOfEmptyCells) {
  t.game.level.PlayerX = 10;
  t.game.level.PlayerY = 10;
  EXPECT_TRUE(CanSeePlayer(t.game, 14, 10));
  EXPECT_TRUE(CanSeePlayer(t.game, 10, 3));
  EXPECT_FALSE(CanSeePlayer(t.game, 11, 11));  // diagonal
  EXPECT_FALSE(CanSeePlayer(t.game, 10, 10));
  t.Put(12, 10, ObjRock);
  t.Put(10, 12, ObjVacated);
  EXPECT_FALSE(CanSeePlayer(t.game, 14, 10));
  EXPECT_FALSE(CanSeePlayer(t.game, 10, 14));
  EXPECT_TRUE(CanSeePlayer(t.game, 10, 8));
  // Right beside him he is seen whatever his cell holds.
  t.Put(10, 10, ObjBlast);
  EXPECT_TRUE(CanSeePlayer(t.game, 11, 10));
  EXPECT_FALSE(CanSeePlayer(t.game, 10, 8));
}

TEST_F(CellPredicatesTest, KeyBlocksFitOnlyTheirOwnHoleAndBombsStickOnlyToFixedThings) {
  t.Put(1, 5, ObjKeyBlockA);
  t.Put(2, 5, ObjKeyHoleA);
  t.Put(1, 6, ObjKeyBlockB);
  t.Put(2, 6, ObjKeyHoleA);
  EXPECT_EQ(CanMoveTo(t.game, 1, 5, 2, 5), MoveIntoKeyHole);
  EXPECT_EQ(CanMoveTo(t.game, 1, 6, 2, 6), MoveBlocked);
  EXPECT_EQ(CanMoveTo(t.game, 1, 5, 1, 4), MoveIntoEmpty);

  t.Put(4, 5, ObjWallA);
  t.Put(5, 5, ObjRock);
  t.Put(6, 5, ObjGnatA);
  EXPECT_TRUE(IsBombSupport(t.game, 4, 5));
  EXPECT_FALSE(IsBombSupport(t.game, 5, 5));
  EXPECT_FALSE(IsBombSupport(t.game, 6, 5));
  EXPECT_FALSE(IsBombSupport(t.game, 7, 5));
  EXPECT_TRUE(IsCellSolid(t.game, 5, 5));
  EXPECT_FALSE(IsCellSolid(t.game, 6, 5));
}

}  // namespace
}  // namespace brolt
