#include "game/simulation/arc_motion.h"

#include <gtest/gtest.h>

#include <cmath>

#include "game/core/state/anim_kind.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::TestGame;

TEST(ArcMotionTest, ACrawlerRoundsTheBlockCornerOnAQuarterCircle) {
  TestGame t;
  // 45 frames a second at speed 5 and factor 2: an arc of 18 frames, 5 degrees a frame.
  t.PlayPicture({"A", "#"}, 45, 5, 5);
  t.PlayFrame();
  const LevelCell& moved = t.Cell(6, 5);
  ASSERT_EQ(moved.Type, ObjAraneaeA);
  EXPECT_EQ(moved.AnimKind, AnimArc);
  EXPECT_EQ(moved.AnimEnd, 18.0f);
  EXPECT_EQ(moved.DirX, 0);
  EXPECT_EQ(moved.DirY, -1);
  // The cell left behind keeps all but its type.
  EXPECT_EQ(t.Cell(5, 6).Type, ObjEmpty);
  EXPECT_EQ(t.Cell(5, 6).DirX, 1);
  t.RunFrames(8);
  // Half way round the block below the old cell: about (-0.29, 0.71) cells.
  EXPECT_NEAR(moved.OffsetX, 9 * (std::sin(0.785395) - 1), 1e-4);
  EXPECT_NEAR(moved.OffsetY, 9 * std::cos(0.785395), 1e-4);
  EXPECT_EQ(moved.Angle, 45);
  t.RunFrames(9);
  EXPECT_NEAR(moved.OffsetX, 0.0, 1e-4);
  EXPECT_NEAR(moved.OffsetY, 0.0, 1e-4);
  EXPECT_EQ(moved.Angle, 90);
  EXPECT_EQ(moved.AnimTime, 0.0f);
  EXPECT_EQ(t.TimesHeard(ARANEAE_CRAWL), 18);
}

struct ArcCase {
  int type;
  int fps;
  float animEnd;
  int landingX;
  // What is left of the offset when the motion ends.
  double remainingY;
};

class ArcEndTest : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcEndTest, AFractionalLengthLeavesTheLastFrameShortOfTheCell) {
  const ArcCase& c = GetParam();
  TestGame t;
  t.PlayPicture({c.type == ObjAraneaeA ? "A" : "B", "#"}, c.fps, 5, 5);
  t.PlayFrame();
  const LevelCell& moved = t.Cell(c.landingX, 5);
  ASSERT_EQ(moved.Type, c.type);
  EXPECT_EQ(moved.AnimEnd, c.animEnd);
  t.RunFrames(22);
  EXPECT_EQ(moved.AnimTime, 0.0f);
  EXPECT_NEAR(moved.OffsetX, 0.0, 2e-3);
  EXPECT_NEAR(moved.OffsetY, c.remainingY, 1e-3);
}

// 58 / (5 / 2) = 23.2 frames: the clockwise arc stops at 89 degrees, 9 cos 89 above the cell; the
// anticlockwise arc runs its 23 whole frames to the cell.
INSTANTIATE_TEST_SUITE_P(BothSenses, ArcEndTest,
                         ::testing::Values(ArcCase{ObjAraneaeA, 58, 23.2f, 6, 9 * std::cos(89 * 3.14159 / 180)},
                                           ArcCase{ObjAraneaeB, 58, 23.0f, 4, 0.0}));

TEST(ArcMotionTest, CornerStepsLastFactorOverSpeedSeconds) {
  TestGame t;
  t.PlayPicture({"C...A", "#...#"}, 60, 5, 5);
  // Into the late half of a blast every crawler steps with factor 1.5.
  LevelCell& blast = t.Put(10, 5, ObjBlast);
  blast.AnimTime = 20;
  blast.AnimEnd = 32;
  t.PlayFrame();
  EXPECT_EQ(t.Cell(6, 5).AnimEnd, 12.0f);  // ObjAraneaeC: factor 1
  EXPECT_EQ(t.Cell(10, 5).AnimEnd, 18.0f);
  // A factor of 0 counts as 1.
  t.Put(20, 20, ObjAraneaeB);
  StepCrawlerType3(t.game, 20, 20, 0.0f, -1, -1);
  EXPECT_EQ(t.Cell(19, 19).AnimKind, AnimArcBack);
  EXPECT_EQ(t.Cell(19, 19).AnimEnd, 12.0f);
  EXPECT_EQ(t.Cell(19, 19).OffsetX, 9.0f);
  EXPECT_EQ(t.Cell(19, 19).OffsetY, 9.0f);
}

}  // namespace
}  // namespace brolt
