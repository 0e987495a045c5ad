#include "game/simulation/gravity.h"

#include <gtest/gtest.h>

#include <cmath>

#include "game/core/state/anim_kind.h"
#include "support/cell_expectations.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::CellPoint;
using testing::ExpectTypes;
using testing::TestGame;

// A level without a Thresher gives up cell (1, 1) to the camera's placeholder, so every picture
// with something there holds one.
class GravityTest : public ::testing::Test {
 protected:
  // A vacated cell at (x, y) standing for `frames` frames.
  void PutPlaceholder(int x, int y, float frames) {
    LevelCell& placeholder = t.Put(x, y, ObjVacated);
    placeholder.AnimKind = AnimVacate;
    placeholder.AnimTime = 1;
    placeholder.AnimEnd = frames;
  }
  TestGame t;
};

TEST_F(GravityTest, RollsOffRoundObjectsAlternateTheirFirstSide) {
  // Three rocks stacked on rocks; the middle one cannot go left.
  t.PlayPicture({"T...........",
                 ".r...#r...r.",
                 ".r...#r...r.",
                 "############"});
  t.PlayFrame();
  // The first tries the right, the middle one the left but must go right, the last goes left.
  EXPECT_EQ(t.Cell(2, 1).AnimKind, AnimRollRight);
  EXPECT_EQ(t.Cell(7, 1).AnimKind, AnimRollRight);
  EXPECT_EQ(t.Cell(9, 1).AnimKind, AnimRollLeft);
  for (int x : {1, 6, 10}) EXPECT_EQ(t.Cell(x, 2).Type, ObjVacated) << x;
  EXPECT_FALSE(t.game.gravity.RollLeftFirst);
}

TEST_F(GravityTest, NothingRollsOffARoundObjectOnTheMove) {
  t.PlayPicture({"T..",
                 ".r.",
                 ".r.",
                 "###"});
  LevelCell& moving = t.Cell(1, 1);
  moving.AnimTime = 1;
  moving.AnimEnd = 3;
  t.RunFrames(3);
  EXPECT_EQ(t.Cell(1, 2).Type, ObjRock);
  EXPECT_EQ(t.Cell(1, 2).AnimTime, 0.0f);
  // At rest beneath it, it is rolled off at once.
  t.PlayFrame();
  EXPECT_EQ(t.Cell(1, 2).Type, ObjVacated);
}

TEST_F(GravityTest, AFallLastsOneCellAtTheObjectsSpeedAndSlidesItsOffsetToNothing) {
  t.PlayPicture({"r", ".", "#"});
  t.PlayFrame();
  const LevelCell& falling = t.Cell(0, 1);
  EXPECT_EQ(falling.AnimKind, AnimFall);
  EXPECT_EQ(falling.AnimEnd, 12.0f);  // 60 frames a second at 5 cells a second
  EXPECT_FLOAT_EQ(falling.OffsetY, 8.25f);
  EXPECT_EQ(t.Cell(0, 2).Type, ObjVacated);
  t.RunFrames(11);
  EXPECT_NEAR(t.Cell(0, 1).OffsetY, 0.0f, 1e-5);
  EXPECT_EQ(t.Cell(0, 1).AnimTime, 0.0f);
  EXPECT_EQ(t.Cell(0, 2).Type, ObjEmpty);
  // Landing on the wall knocks once.
  EXPECT_EQ(t.TimesHeard(ROCK_HIT), 1);
  EXPECT_EQ(t.heard.back().frame, 12);
}

TEST_F(GravityTest, ARollRunsAQuarterCircleAtHalfSpeedAndSoundsInItsSecondFrame) {
  t.PlayPicture({"T..",
                 "#u.",
                 "#r.",
                 "###"});
  // No extra frames: 60 / round(5 / 2) = 30.
  t.random.Script({0.0});
  const float turnPerFrame = 6.0f;  // round(180 / 30)
  const float angle = t.Cell(1, 2).Angle;
  t.PlayFrame();
  const LevelCell& rolling = t.Cell(2, 1);
  ASSERT_EQ(rolling.AnimKind, AnimRollRight);
  EXPECT_EQ(rolling.AnimEnd, 30.0f);
  // 3 degrees along the arc from the top of the rock beneath.
  const double a = 3 * 3.14159 / 180;
  EXPECT_NEAR(rolling.OffsetX, std::sin(a) * 9 - 9, 1e-4);
  EXPECT_NEAR(rolling.OffsetY, std::cos(a) * 9, 1e-4);
  EXPECT_EQ(rolling.Angle, angle + turnPerFrame);
  t.RunFrames(14);
  EXPECT_NEAR(t.Cell(2, 1).OffsetX, std::sin(45 * 3.14159 / 180) * 9 - 9, 1e-4);
  t.RunFrames(15);
  EXPECT_NEAR(t.Cell(2, 1).OffsetX, 0.0f, 1e-4);
  EXPECT_NEAR(t.Cell(2, 1).OffsetY, 0.0f, 1e-4);
  EXPECT_EQ(t.Cell(2, 1).AnimTime, 0.0f);
  ASSERT_EQ(t.TimesHeard(UNID_ROLL), 1);
  EXPECT_EQ(t.heard.front().frame, 2);
  EXPECT_EQ(t.TimesHeard(ROCK_ROLL), 0);
  EXPECT_EQ(t.TimesHeard(UNID_HIT), 1);

  // The longest roll: three frames more.
  t.PlayPicture({"T..", ".r.", ".r.", "###"});
  t.game.gravity.RollLeftFirst = false;
  t.random.Script({0.99});
  t.PlayFrame();
  EXPECT_EQ(t.Cell(2, 1).AnimEnd, 33.0f);
}

TEST_F(GravityTest, NoGameSpeedMakesAFallOrRollEndless) {
  for (int speed : {0, 1, -3}) {
    t.game.settings.GameSpeed = speed;
    BuildObjectDefs(t.game);
    t.PlayPicture({"r..",
                   "r..",
                   "###"});
    t.game.gravity.RollLeftFirst = false;
    t.random.Script({0.0});
    t.PlayFrame();
    // Anything below a cell a second moves at one.
    EXPECT_EQ(t.Cell(1, 1).AnimKind, AnimRollRight) << speed;
    EXPECT_EQ(t.Cell(1, 1).AnimEnd, 60.0f) << speed;
    t.Put(2, 2, ObjRock);
    t.PlayFrame();
    EXPECT_EQ(t.Cell(2, 1).AnimEnd, 60.0f) << speed;
    t.RunFrames(60);
    EXPECT_EQ(t.Cell(2, 1).AnimTime, 0.0f) << speed;
  }
}

TEST_F(GravityTest, ARockLandingOnTheThresherExplodesHim) {
  t.PlayPicture({"..r..",
                 ".....",
                 "..T..",
                 "#####"});
  t.RunFrames(11);
  EXPECT_TRUE(t.explosions.empty());
  t.PlayFrame();
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{2, 1}}));
  EXPECT_TRUE(t.game.flags.Dead);
  EXPECT_EQ(t.Cell(2, 1).Type, ObjBlastB);
}

TEST_F(GravityTest, ExplosivesFallThroughEmptyCellsAndExplodeOnWhatTheyLandOn) {
  t.PlayPicture({".x..b",
                 ".....",
                 ".....",
                 "#####"});
  t.RunFrames(12);
  // Landed with empty cells beneath: they fall on.
  EXPECT_TRUE(t.explosions.empty());
  EXPECT_EQ(t.Cell(1, 2).Type, ObjFallingExplosive);
  EXPECT_EQ(LandingOutcome(t.game, 1, 2), Landing::FallsOn);
  t.RunFrames(12);
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{1, 1}, {4, 1}}));
  EXPECT_EQ(t.Cell(1, 1).Carried, ObjFallingExplosive);
  EXPECT_EQ(t.Cell(4, 1).Carried, ObjBomb);
  ExpectTypes(t.game, {{1, 1, ObjBlast}, {1, 0, ObjWallA}});
}

TEST_F(GravityTest, FallersLandingOnAnArmoredUnidCrackIt) {
  t.PlayPicture({"T....",
                 ".u.r.",
                 ".....",
                 ".a.a.",
                 "#####"});
  t.RunFrames(12);
  EXPECT_TRUE(t.explosions.empty());
  EXPECT_EQ(LandingOutcome(t.game, 1, 2), Landing::CracksBelow);
  EXPECT_EQ(LandingOutcome(t.game, 3, 2), Landing::CracksBelow);
  EXPECT_EQ(t.TimesHeard(UNID_HIT), 1);
  EXPECT_EQ(t.TimesHeard(ROCK_HIT), 1);
  for (int x : {1, 3}) {
    EXPECT_EQ(t.Cell(x, 1).Type, ObjArmoredUnid) << x;
    EXPECT_EQ(t.Cell(x, 1).AnimKind, AnimCrack) << x;
  }
  EXPECT_EQ(t.TimesHeard(UNID_CRACK), 1);
  // The crack runs its eight frames and leaves a plain unid under each faller.
  t.RunFrames(7);
  EXPECT_EQ(t.Cell(1, 1).Type, ObjArmoredUnid);
  t.PlayFrame();
  ExpectTypes(t.game, {{1, 1, ObjUnid}, {3, 1, ObjUnid}, {1, 2, ObjUnid}, {3, 2, ObjRock}});
}

TEST_F(GravityTest, TheUpwardRockRisesRollsUpAndNeverCrushes) {
  t.PlayPicture({"..T...",
                 "......",
                 "......",
                 "######"});
  t.Put(2, 1, ObjRockUp);
  t.Put(5, 2, ObjWallB);  // round
  t.Put(5, 1, ObjRockUp);
  t.PlayFrame();
  EXPECT_EQ(t.Cell(2, 2).AnimKind, AnimFallUp);
  EXPECT_FLOAT_EQ(t.Cell(2, 2).OffsetY, -8.25f);
  EXPECT_EQ(t.Cell(6, 2).AnimKind, AnimRollRightUp);
  EXPECT_LT(t.Cell(6, 2).OffsetY, 0.0f);
  EXPECT_TRUE(t.game.gravity.RollLeftFirst);
  t.RunFrames(60);
  EXPECT_TRUE(t.explosions.empty());
  ExpectTypes(t.game, {{2, 2, ObjRockUp}, {2, 3, ObjThresher}});
}

TEST_F(GravityTest, ABombFallsOnlyWhenNothingFixedBesideOrAboveHoldsIt) {
  t.PlayPicture({"............#",
                 "#b..rb..Tb..b",
                 "....#...#....",
                 "#############"});
  t.PlayFrame();
  // Beside a wall, and under one.
  ExpectTypes(t.game, {{1, 2, ObjBomb}, {12, 2, ObjBomb}});
  EXPECT_EQ(t.Cell(5, 1).AnimKind, AnimFall);  // beside a rock
  EXPECT_EQ(t.Cell(9, 1).AnimKind, AnimFall);  // beside the Thresher
}

TEST_F(GravityTest, AVacatedCellHoldsWhatIsAboveUntilItExpiresOrIsLandedOn) {
  t.PlayPicture({"#.#", "#r#", "#.#", "###"});
  PutPlaceholder(1, 1, 5);
  t.RunFrames(5);
  EXPECT_EQ(t.Cell(1, 2).Type, ObjRock);
  t.PlayFrame();
  EXPECT_EQ(t.Cell(1, 1).AnimKind, AnimFall);

  // A fall that ends on a placeholder clears it, knocks, and goes on.
  t.PlayPicture({"#r#", "#.#", "#.#", "###"});
  t.PlayFrame();
  PutPlaceholder(1, 1, 100);
  t.RunFrames(11);
  EXPECT_EQ(t.Cell(1, 1).Type, ObjEmpty);
  EXPECT_EQ(t.TimesHeard(ROCK_HIT), 1);
  t.PlayFrame();
  EXPECT_EQ(t.Cell(1, 1).AnimKind, AnimFall);
}

TEST_F(GravityTest, ACreatureFallingOntoAYoungBlastExplodes) {
  t.PlayPicture({"g", ".", "."});
  LevelCell& blast = t.Put(0, 0, ObjBlast);
  blast.AnimKind = AnimBlast;
  blast.AnimTime = 1;
  blast.AnimEnd = 32;
  StartFallDown(t.game, 0, 2);
  t.RunFrames(12);
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{0, 1}}));
}

TEST_F(GravityTest, AFallerOnARockGeneratorNeitherFallsNorRolls) {
  t.PlayPicture({"T..", ".r.", ".R.", "###"});
  t.PlayFrame();
  ExpectTypes(t.game, {{1, 2, ObjRock}, {0, 1, ObjEmpty}, {2, 1, ObjEmpty}});
}

}  // namespace
}  // namespace brolt
