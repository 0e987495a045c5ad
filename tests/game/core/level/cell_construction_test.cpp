#include "game/core/level/cell_construction.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace brolt {
namespace {

using testing::TestGame;

int ExpectedDraws(int code) {
  switch (code) {
    case 20: case 21: case 95: case 97: case 98:
      return 3;
    case 24: case 45: case 70: case 71: case 72: case 73: case 74: case 96:
      return 2;
    case 22: case 23: case 25:
      return 1;
    default:
      return 0;
  }
}

TEST(MakeCellTest, EachCodeDrawsItsFixedNumberOfRandomNumbers) {
  TestGame t;
  for (int code = -3; code <= 1000; ++code) {
    t.random.Draws = 0;
    MakeCell(t.game, code);
    EXPECT_EQ(t.random.Draws, ExpectedDraws(code)) << "code " << code;
  }
}

// The maker keeps the cells of codes that draw nothing: what it gives, and what it draws, must stay
// MakeCell's for every code, on its first use and on a later one.
TEST(LevelCellMakerTest, GivesTheCellsAndDrawsOfMakeCell) {
  TestGame made(7);
  TestGame reused(7);
  LevelCellMaker maker(reused.game);
  for (int round = 0; round < 2; ++round)
    for (int code = -3; code <= 105; ++code) {
      LevelCell cell;
      cell.Timer = 99;
      maker.Make(code, cell);
      EXPECT_EQ(cell, MakeCell(made.game, code)) << "code " << code;
      EXPECT_EQ(reused.random.Draws, made.random.Draws) << "code " << code;
    }
}

TEST(MakeCellTest, UnknownCodesGiveAnAllZeroCellUnlikeCodeZero) {
  TestGame t;
  for (int code : {-1, 18, 19, 26, 31, 33, 38, 46, 49, 65, 69, 75, 84, 100, 999})
    EXPECT_EQ(MakeCell(t.game, code), LevelCell{}) << code;
  LevelCell empty = MakeCell(t.game, 0);
  EXPECT_EQ(empty.Type, ObjEmpty);
  EXPECT_EQ(empty.Frame, 8);
  EXPECT_EQ(empty.FrameRow, 1);
  empty.Frame = 0;
  empty.FrameRow = 0;
  EXPECT_EQ(empty, LevelCell{});
}

TEST(MakeCellTest, CodesThatShareAType) {
  TestGame t;
  struct Case {
    int code, type, frame, row, dirX, dirY, angle;
  };
  const Case cases[] = {
      {34, ObjCannon, 1, 8, 0, 1, 0},        {35, ObjCannon, 1, 8, 1, 0, 90},
      {36, ObjCannon, 1, 8, 0, -1, 180},     {37, ObjCannon, 1, 8, -1, 0, 270},
      {40, ObjShapedWall, 1, 2, 0, 1, 0},    {43, ObjShapedWall, 1, 2, -1, 0, 270},
      {44, ObjShapedWall, 5, 2, 0, 0, 0},    {85, ObjInertTile, 7, 2, 0, 0, 0},
      {86, ObjInertTile, 8, 2, 0, 0, 0},     {94, ObjInertTile, 8, 6, 0, 0, 0},
      {15, ObjWallF, 6, 8, 0, 0, 0},         {9, ObjExitPortal, 8, 7, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const LevelCell cell = MakeCell(t.game, c.code);
    EXPECT_EQ(cell.Type, c.type) << c.code;
    EXPECT_EQ(cell.Frame, c.frame) << c.code;
    EXPECT_EQ(cell.FrameRow, c.row) << c.code;
    EXPECT_EQ(cell.DirX, c.dirX) << c.code;
    EXPECT_EQ(cell.DirY, c.dirY) << c.code;
    EXPECT_EQ(cell.Angle, c.angle) << c.code;
  }
}

TEST(MakeCellTest, RandomDrawsLandInTheirFieldsInOrder) {
  TestGame t;
  t.random.Script({0.5, 0.25, 0.75});
  LevelCell rock = MakeCell(t.game, 20);
  EXPECT_EQ(rock.Angle, 180);
  EXPECT_EQ(rock.Frame, 3);
  EXPECT_EQ(rock.FrameRow, 2);
  EXPECT_FLOAT_EQ(rock.Scale, 1.1f);

  t.random.Script({0.0, 0.999});
  LevelCell hatcher = MakeCell(t.game, 24);
  EXPECT_EQ(hatcher.Angle, 0);
  EXPECT_EQ(hatcher.Countdown, 34);
  EXPECT_EQ(hatcher.FrameRow, 4);
  EXPECT_FLOAT_EQ(hatcher.Scale, 0.7f);
  EXPECT_EQ(hatcher.ExplodeRadius, 1);

  t.random.Script({0.5, 0.999});
  LevelCell grass = MakeCell(t.game, 45);
  EXPECT_EQ(grass.Angle, 180);
  EXPECT_EQ(grass.Frame, 7);
  EXPECT_EQ(grass.FrameRow, 8);

  t.random.Script({0.1, 0.999, 0.0});
  LevelCell rockUp = MakeCell(t.game, 98);
  EXPECT_EQ(rockUp.Angle, 36);
  EXPECT_EQ(rockUp.Frame, 8);
  EXPECT_EQ(rockUp.FrameRow, 3);
}

TEST(MakeCellTest, CreaturesStartFacingTheirWay) {
  TestGame t;
  const LevelCell gnat = MakeCell(t.game, 8);
  EXPECT_EQ(gnat.Mark, 21);
  EXPECT_EQ(gnat.DirY, 1);
  EXPECT_EQ(gnat.FrameRow, 7);
  EXPECT_EQ(MakeCell(t.game, 3).DirX, -1);
  EXPECT_FLOAT_EQ(MakeCell(t.game, 4).Scale, 1.3f);
  EXPECT_EQ(MakeCell(t.game, 1).ExplodeRadius, 2);
}

TEST(MakeCellTest, CrackedUnidKeepsTheAngleOfItsCell) {
  TestGame t;
  t.LoadTiles({});
  t.game.level.Grid(4, 4).Angle = 123;
  const LevelCell unid = MakeCellKeepingAngle(t.game, ObjUnid, 4, 4);
  EXPECT_EQ(unid.Type, ObjUnid);
  EXPECT_EQ(unid.Angle, 123);
  EXPECT_EQ(unid.Frame, 1);
  EXPECT_EQ(unid.FrameRow, 1);
  EXPECT_EQ(unid.Scale, 0.0f);
  EXPECT_EQ(unid.ExplodeRadius, 0);
  EXPECT_EQ(MakeCellKeepingAngle(t.game, ObjArmoredUnid, 4, 4), LevelCell{});
}

TEST(MakeFloorCellTest, ForceFloorsFaceTheWayTheyPush) {
  struct Case {
    int dirX, dirY, angle;
  };
  for (const Case& c : {Case{0, 1, 0}, Case{1, 0, 90}, Case{0, -1, 180}, Case{-1, 0, 270}}) {
    const FloorCell floor = MakeFloorCell(FloorForce, c.dirX, c.dirY);
    EXPECT_EQ(floor.Kind, FloorForce);
    EXPECT_EQ(floor.Angle, c.angle);
    EXPECT_EQ(floor.DirX, c.dirX);
    EXPECT_EQ(floor.DirY, c.dirY);
    EXPECT_EQ(floor.Frame, 1);
    EXPECT_EQ(floor.FrameRow, 1);
    EXPECT_EQ(floor.Depth, 5);
    EXPECT_EQ(floor.Texture, 9);
    EXPECT_EQ(floor.Scale, 0);
  }
  EXPECT_EQ(MakeFloorCell(FloorPlain, -1, 0), FloorCell{});
  EXPECT_EQ(MakeFloorCell(3, 0, 1), FloorCell{});
}

}  // namespace
}  // namespace brolt
