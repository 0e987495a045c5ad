#include "game/simulation/motion.h"

#include <gtest/gtest.h>

#include "game/core/state/anim_kind.h"
#include "game/simulation/animate_cell.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::TestGame;

// The Thresher at (5, 5) on an empty level, walking at game speed 5.
class WalkTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { t.PlayPicture({"T"}, GetParam(), 5, 5); }
  TestGame t;
};

TEST_P(WalkTest, AWalkLastsItsFrameCountAndLeavesAVacatedCellForTheFloorOfIt) {
  const int fps = GetParam();
  // round(58 / 5) = 12 frames of walk, but floor(58 / 5) = 11 of vacated cell.
  const int vacatedFrames = fps == 58 ? 11 : 12;
  MoveObject(t.game, 5, 5, 1, 0, 0);
  EXPECT_EQ(t.Cell(6, 5).Type, ObjThresher);
  EXPECT_EQ(t.Cell(6, 5).AnimEnd, 12.0f);
  EXPECT_EQ(t.Cell(6, 5).OffsetX, -9.0f);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjVacated);
  for (int frame = 1; frame <= 12; ++frame) {
    t.PlayFrame();
    EXPECT_FLOAT_EQ(t.game.motion.PlayerStepX, 0.75f) << frame;
    EXPECT_EQ(t.Cell(5, 5).Type, frame < vacatedFrames ? ObjVacated : ObjEmpty) << frame;
    EXPECT_EQ(t.Cell(6, 5).AnimTime, frame < 12 ? frame + 1.0f : 0.0f) << frame;
  }
  EXPECT_EQ(t.Cell(6, 5).OffsetX, 0.0f);
  EXPECT_EQ(t.game.level.PlayerX, 6.0f);
  // The walking picture steps back one column on each of the 6 ticks: 1, 8, 7 ... 3.
  EXPECT_EQ(t.Cell(6, 5).Frame, 3);
  t.PlayFrame();
  EXPECT_EQ(t.game.motion.PlayerStepX, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(FrameRates, WalkTest, ::testing::Values(58, 60));

class MotionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.LoadTiles({});
    t.SetFrameRate(60);
  }
  TestGame t;
};

TEST_F(MotionTest, ATwoCellWalkTakesAsLongAsOneAndCreaturesLeaveNoVacatedCell) {
  t.Put(5, 5, ObjGnatA);
  MoveObject(t.game, 5, 5, 2, 0, 0);
  EXPECT_EQ(t.Cell(7, 5).OffsetX, -18.0f);
  EXPECT_EQ(t.Cell(7, 5).AnimEnd, 12.0f);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjEmpty);
  t.RunFrames(12);
  EXPECT_EQ(t.Cell(7, 5).AnimTime, 0.0f);
  EXPECT_EQ(t.Cell(7, 5).OffsetX, 0.0f);
}

TEST_F(MotionTest, WalkSpeedsRoundHalfToEvenAndASpeedOfNothingMovesNothing) {
  t.Put(5, 5, ObjGnatA);
  MoveObject(t.game, 5, 5, 0, 1, 7.5f);  // 8 cells a second: round(7.5) = 8 frames
  EXPECT_EQ(t.Cell(5, 6).AnimEnd, 8.0f);
  t.Put(8, 5, ObjGnatA);
  MoveObject(t.game, 8, 5, 0, 1, 6.5f);  // 6 cells a second
  EXPECT_EQ(t.Cell(8, 6).AnimEnd, 10.0f);
  const LevelCell before = t.Cell(11, 6);
  MoveObject(t.game, 11, 5, 0, 1, 0);  // an empty cell has no speed
  EXPECT_EQ(t.Cell(11, 6), before);
}

TEST_F(MotionTest, APushedRockRollsOverWhileAPushBlockSlides) {
  t.SetFrameRate(58);
  const std::int16_t rockAngle = t.Put(5, 5, ObjRock).Angle;
  const std::int16_t blockAngle = t.Put(5, 8, ObjPushBlock).Angle;
  t.game.level.PlayerX = 40;  // the push is heard at full volume wherever it is
  PushObject(t.game, 5, 5, 1, 0, 0);
  PushObject(t.game, 5, 8, -1, 0, 0);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjEmpty);
  EXPECT_EQ(t.Cell(6, 5).AnimKind, AnimPushed);
  EXPECT_EQ(t.Cell(6, 5).AnimEnd, 11.0f);  // floor(58 / 5)
  t.PlayFrame();
  // round(180 / 11) = 16 degrees a frame.
  EXPECT_EQ(t.Cell(6, 5).Angle, rockAngle + 16);
  EXPECT_EQ(t.Cell(4, 8).Angle, blockAngle);
  ASSERT_EQ(t.heard.size(), 1u);
  EXPECT_EQ(t.heard[0].id, ROCK_PUSH);
  EXPECT_EQ(t.heard[0].distance, 0);
  EXPECT_EQ(t.heard[0].pan, 0);
  t.RunFrames(10);
  EXPECT_EQ(t.Cell(6, 5).AnimTime, 0.0f);
  EXPECT_EQ(t.Cell(6, 5).OffsetX, 0.0f);
  EXPECT_EQ(t.Cell(4, 8).OffsetX, 0.0f);
}

TEST_F(MotionTest, AMotionWithoutHandlerOnlyCountsAndTheAngleIsCorrectedOnceAFrame) {
  LevelCell& cell = t.Put(5, 5, ObjRock);
  cell.AnimKind = AnimNone;
  cell.AnimTime = 3;
  cell.AnimEnd = 5;
  cell.Angle = 725;
  AnimateCell(t.game, 5, 5);
  EXPECT_EQ(t.Cell(5, 5).Angle, 365);
  EXPECT_EQ(t.Cell(5, 5).AnimTime, 4.0f);
  AnimateCell(t.game, 5, 5);
  EXPECT_EQ(t.Cell(5, 5).Angle, 5);
  AnimateCell(t.game, 5, 5);
  EXPECT_EQ(t.Cell(5, 5).AnimTime, 0.0f);
  // A motion of no length runs for one frame.
  LevelCell& empty = t.Put(7, 5, ObjRock);
  empty.AnimTime = 1;
  AnimateCell(t.game, 7, 5);
  EXPECT_EQ(t.Cell(7, 5).AnimEnd, 1.0f);
  EXPECT_EQ(t.Cell(7, 5).AnimTime, 0.0f);
}

TEST_F(MotionTest, AVacatedCellOfASpeedlessObjectStandsOneFrame) {
  t.Put(5, 5, ObjWallA);
  LeaveVacatedCell(t.game, 5, 5);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjVacated);
  t.PlayFrame();
  EXPECT_EQ(t.Cell(5, 5).Type, ObjEmpty);
}

TEST_F(MotionTest, RollingPicturesAdvanceOnTicksThroughTheirRows) {
  LevelCell& rockB = t.Put(5, 5, ObjRockB);
  rockB.Frame = 8;
  rockB.FrameRow = 4;
  LevelCell& rock = t.Put(6, 5, ObjRock);
  rock.Frame = 8;
  rock.FrameRow = 8;
  t.game.timing.Tick30 = 1;
  AdvanceCellFrame(t.game, 5, 5);
  EXPECT_EQ(t.Cell(5, 5).Frame, 8);
  t.game.timing.Tick30 = 0;
  AdvanceCellFrame(t.game, 5, 5);
  AdvanceCellFrame(t.game, 6, 5);
  EXPECT_EQ(t.Cell(5, 5).Frame, 1);
  EXPECT_EQ(t.Cell(5, 5).FrameRow, 3);
  EXPECT_EQ(t.Cell(6, 5).Frame, 1);
  EXPECT_EQ(t.Cell(6, 5).FrameRow, 1);
}

}  // namespace
}  // namespace brolt
