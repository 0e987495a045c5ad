#include "game/simulation/player.h"

#include <gtest/gtest.h>

#include "game/core/state/anim_kind.h"
#include "game/simulation/collect_item.h"
#include "game/simulation/level_completion.h"
#include "support/cell_expectations.h"
#include "support/scripted_keys.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::CellPoint;
using testing::ScriptedKeys;
using testing::TestGame;

class PlayerTest : public ::testing::Test {
 protected:
  // Plays one frame with exactly these keys down; those not down before are pressed in this order.
  void Frame(std::initializer_list<int> held) {
    keys.Hold(held);
    t.PlayFrame();
  }
  CellPoint Player() const {
    return {static_cast<int>(t.game.level.PlayerX), static_cast<int>(t.game.level.PlayerY)};
  }

  TestGame t;
  ScriptedKeys keys{t.game};
};

TEST_F(PlayerTest, OppositeArrowsGoRightAndDown) {
  t.PlayPicture({"...",
                 ".T.",
                 "..."});
  Frame({scan::Right, scan::Left});
  EXPECT_EQ(Player(), (CellPoint{2, 1}));
  EXPECT_EQ(t.Cell(1, 1).Type, ObjVacated);

  t.PlayPicture({"...",
                 ".T.",
                 "..."});
  Frame({scan::Down, scan::Up});
  EXPECT_EQ(Player(), (CellPoint{1, 0}));
}

TEST_F(PlayerTest, ADiagonalTakesTheOpenWayOrElseTheArrowPressedLast) {
  const std::vector<std::string> open = {"..",
                                         "T."};
  t.PlayPicture(open);
  Frame({scan::Right, scan::Up});
  EXPECT_EQ(Player(), (CellPoint{0, 1}));

  keys.ReleaseAll();
  t.PlayPicture(open);
  Frame({scan::Up, scan::Right});
  EXPECT_EQ(Player(), (CellPoint{1, 0}));

  // No arrow pressed since the start: he goes the diagonal.
  t.PlayPicture(open);
  t.game.keys.LastArrowKey = 0;
  t.PlayFrame();
  EXPECT_EQ(Player(), (CellPoint{1, 1}));

  keys.ReleaseAll();
  t.PlayPicture({"#.",
                 "T."});
  Frame({scan::Right, scan::Up});
  EXPECT_EQ(Player(), (CellPoint{1, 0}));

  t.PlayPicture({"#.",
                 "T#"});
  Frame({scan::Right, scan::Up});
  EXPECT_EQ(Player(), (CellPoint{0, 0}));
  EXPECT_EQ(t.Cell(0, 0).DirX, 0);
  EXPECT_EQ(t.Cell(0, 0).DirY, 0);
}

TEST_F(PlayerTest, AMovingThresherIgnoresTheKeysUntilHisStepEnds) {
  t.PlayPicture({"...",
                 "T.."});  // 60 frames a second: a step lasts 12 frames
  Frame({scan::Right});
  for (int i = 0; i < 11; ++i) Frame({scan::Up});
  EXPECT_EQ(Player(), (CellPoint{1, 0}));
  Frame({scan::Up});
  EXPECT_EQ(Player(), (CellPoint{1, 1}));
}

TEST_F(PlayerTest, TheExitRefusesWhileUnidsAreNeeded) {
  t.PlayPicture({"T."});
  t.Put(1, 0, ObjExitPortal);
  t.game.level.UnidsNeeded = 1;
  Frame({scan::Right});
  EXPECT_EQ(Player(), (CellPoint{0, 0}));
  EXPECT_FALSE(t.game.flags.NameEntry);

  t.game.level.UnidsNeeded = 0;
  Frame({scan::Right});
  EXPECT_TRUE(t.game.flags.NameEntry);
  EXPECT_EQ(Player(), (CellPoint{1, 0}));
  EXPECT_EQ(t.Cell(0, 0).Type, ObjEmpty);
  EXPECT_EQ(t.Cell(1, 0).Type, ObjExitPortal);
  EXPECT_EQ(t.TimesHeard(EXIT_LEVEL), 1);
}

TEST_F(PlayerTest, ASwitchFlipsOncePerPress) {
  t.PlayPicture({"Ts.D"});
  Frame({scan::Right});
  EXPECT_TRUE(t.game.devices.SwitchState);
  EXPECT_TRUE(t.game.devices.DoorsSwinging);
  // Held on after the door has swung, the arrow throws nothing more.
  for (int i = 0; i < 30; ++i) t.PlayFrame();
  EXPECT_FALSE(t.game.devices.DoorsSwinging);
  EXPECT_TRUE(t.game.devices.SwitchState);
  EXPECT_EQ(t.TimesHeard(DOOR_OPEN), 1);

  Frame({});
  Frame({scan::Right});
  EXPECT_FALSE(t.game.devices.SwitchState);
  // A new press while the doors still swing does nothing, and he does not walk into the switch.
  Frame({});
  Frame({scan::Right});
  EXPECT_FALSE(t.game.devices.SwitchState);
  EXPECT_EQ(t.TimesHeard(DOOR_OPEN), 2);
  EXPECT_EQ(Player(), (CellPoint{0, 0}));
}

TEST_F(PlayerTest, ASwitchInALevelWithoutDoorsWorksAtEveryPress) {
  t.PlayPicture({"Ts"});
  Frame({scan::Right});
  EXPECT_TRUE(t.game.devices.SwitchState);
  EXPECT_FALSE(t.game.devices.DoorsSwinging);
  Frame({});
  Frame({scan::Right});
  EXPECT_FALSE(t.game.devices.SwitchState);
  EXPECT_EQ(t.TimesHeard(DOOR_OPEN), 2);
}

TEST_F(PlayerTest, ASwingCutShortByAReloadOrARestoreLeavesTheSwitchesWorking) {
  for (const bool restore : {false, true}) {
    keys.ReleaseAll();
    t.PlayPicture({"Ts.D"});
    if (restore) {
      t.game.level.CheckpointGrid = t.game.level.Grid;
      t.game.checkpoint.CheckpointSaved = true;
    }
    Frame({scan::Right});
    ASSERT_TRUE(t.game.devices.DoorsSwinging);
    // He dies before the swing ends, and the level starts again.
    t.game.flags.Dead = true;
    if (restore)
      RestoreCheckpoint(t.game);
    else
      LoadLevel(t.game, 1);
    t.StartPlay();
    const bool before = t.game.devices.SwitchState;
    Frame({});
    Frame({scan::Right});
    EXPECT_NE(t.game.devices.SwitchState, before) << restore;
    EXPECT_EQ(t.Cell(3, 0).Type, ObjDoorClosed) << restore;
  }
}

TEST_F(PlayerTest, AUnidGrabbedAndThenWalkedIntoCountsOnce) {
  t.PlayPicture({"Tu",
                 "##"});
  t.game.level.UnidsNeeded = 3;
  Frame({scan::Space, scan::Right});
  EXPECT_EQ(Player(), (CellPoint{0, 1}));
  EXPECT_EQ(t.Cell(1, 1).AnimKind, AnimGrab);
  EXPECT_EQ(t.game.level.UnidsNeeded, 2);
  Frame({scan::Right});
  EXPECT_EQ(Player(), (CellPoint{1, 1}));
  EXPECT_EQ(t.game.level.UnidsNeeded, 2);
  EXPECT_EQ(t.TimesHeard(UNID_COLLECT), 1);
}

TEST_F(PlayerTest, TakingMoreUnidsThanNeededLeavesNoneNeeded) {
  t.PlayPicture({"Tuu"});
  t.game.level.UnidsNeeded = 0;
  Frame({scan::Right});
  EXPECT_EQ(t.game.level.UnidsNeeded, 0);
}

TEST_F(PlayerTest, FiringNeedsAShotAndSomethingToHitAndNeverMoves) {
  t.PlayPicture({"Tr#"});
  t.Cell(0, 0).FacingLeft = 1;
  Frame({scan::LeftCtrl, scan::Right});
  EXPECT_EQ(t.TimesHeard(THRESHER_SHOOT), 0);
  EXPECT_EQ(t.Cell(0, 0).FacingLeft, 0);  // he still turns
  EXPECT_EQ(t.Cell(0, 0).DirX, 0);

  t.game.player.Shots = 2;
  Frame({scan::LeftCtrl, scan::Right});
  EXPECT_EQ(t.game.player.Shots, 1);
  EXPECT_EQ(t.TimesHeard(THRESHER_SHOOT), 1);
  EXPECT_EQ(Player(), (CellPoint{0, 0}));

  t.PlayPicture({"T#"});
  t.game.player.Shots = 2;
  Frame({scan::LeftCtrl, scan::Right});
  EXPECT_EQ(t.game.player.Shots, 2);
}

TEST_F(PlayerTest, ABombGoesOnlyIntoAnEmptyCellAndHeStaysPut) {
  t.PlayPicture({"Tr",
                 "##"});
  t.game.player.Bombs = 1;
  Frame({scan::LeftShift, scan::Right});
  EXPECT_EQ(t.game.player.Bombs, 1);
  EXPECT_EQ(t.Cell(1, 1).Type, ObjRock);

  t.PlayPicture({"T.",
                 "##"});
  t.game.player.Bombs = 1;
  Frame({scan::LeftShift, scan::Right});
  EXPECT_EQ(t.game.player.Bombs, 0);
  EXPECT_EQ(t.Cell(1, 1).Type, ObjBomb);
  EXPECT_EQ(t.Cell(1, 1).Timer, 5);
  EXPECT_EQ(t.Cell(1, 1).Frame, 5);
  EXPECT_EQ(Player(), (CellPoint{0, 1}));
}

// A designer's level may leave its edges open: a drop toward the outside does nothing, as a step
// there does, and keeps the bomb.
TEST_F(PlayerTest, NoBombIsDroppedOutsideAnOpenEdge) {
  struct Case {
    const char* side;
    int x, y, arrow;
  };
  for (const Case& c : {Case{"left", 0, 20, scan::Left}, Case{"right", 49, 20, scan::Right},
                        Case{"bottom", 20, 0, scan::Down}, Case{"top", 20, 49, scan::Up}}) {
    keys.ReleaseAll();
    t.PlayPicture({"T"}, 60, c.x, c.y);
    t.game.player.Bombs = 2;
    Frame({scan::LeftShift, c.arrow});
    EXPECT_EQ(t.game.player.Bombs, 2) << c.side;
    EXPECT_EQ(Player(), (CellPoint{c.x, c.y})) << c.side;
    testing::ExpectNothingOutsideTheLevel(t.game, c.side);
  }
}

TEST_F(PlayerTest, WalkingIntoACreatureOrARideOntoOneKillsHim) {
  t.PlayPicture({".Tg"});
  t.game.player.FreezeTime = 5;  // the gnat stays where it is
  Frame({scan::Right});
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{1, 0}}));

  t.PlayPicture({"Tg"});
  t.game.player.FreezeTime = 5;
  t.game.level.FloorGrid.Set(0, 0, MakeFloorCell(FloorForce, 1, 0));
  Frame({});
  EXPECT_EQ(t.explosions.back(), (CellPoint{0, 0}));
}

TEST_F(PlayerTest, AForceFloorCarriesHimUnlessItsNextCellIsClosed) {
  t.PlayPicture({"..",
                 "T#"});
  t.game.level.FloorGrid.Set(0, 0, MakeFloorCell(FloorForce, 1, 0));
  Frame({scan::Up});
  EXPECT_EQ(Player(), (CellPoint{0, 1}));

  t.PlayPicture({"T."});
  t.game.level.FloorGrid.Set(0, 0, MakeFloorCell(FloorForce, 1, 0));
  Frame({scan::Left});
  EXPECT_EQ(Player(), (CellPoint{1, 0}));
}

TEST_F(PlayerTest, HeJumpsAnOpenDoorOrAGateThatLetsHimThroughOnlyOntoAFreeCell) {
  t.PlayPicture({"TD."});
  Frame({scan::Right});
  EXPECT_EQ(Player(), (CellPoint{2, 0}));
  EXPECT_EQ(t.TimesHeard(PORTAL_ZOOM), 1);

  t.PlayPicture({"TD#"});
  Frame({scan::Right});
  EXPECT_EQ(Player(), (CellPoint{0, 0}));

  struct Gate {
    std::int16_t dirX, angle;
    bool passes;
  };
  for (const Gate& gate : {Gate{1, 0, true}, Gate{-1, 0, false}, Gate{0, 90, true}, Gate{0, 0, false}}) {
    t.PlayPicture({"T.."});
    LevelCell& wall = t.Put(1, 0, ObjShapedWall);
    wall.DirX = gate.dirX;
    wall.DirY = 0;
    wall.Angle = gate.angle;
    Frame({scan::Right});
    EXPECT_EQ(Player().x, gate.passes ? 2 : 0) << gate.dirX << " " << gate.angle;
  }
}

TEST_F(PlayerTest, SomethingMovingSidewaysIntoTheCellAboveCrushesHimUnlessShielded) {
  struct Case {
    std::int16_t shield;
    AnimKindValue above;
    bool crushed;
  };
  for (const Case& c : {Case{5, AnimPushed, false}, Case{0, AnimFall, false}, Case{0, AnimPushed, true}}) {
    t.PlayPicture({".",
                   "T"});
    t.game.player.ShieldTime = c.shield;
    LevelCell& rock = t.Put(0, 1, ObjRock);
    rock.AnimKind = c.above;
    rock.AnimTime = 1;
    rock.AnimEnd = 30;
    Frame({scan::Up});
    EXPECT_EQ(t.Cell(0, 0).AnimKind, c.crushed ? AnimCrush : AnimNone) << c.shield << " " << c.above;
  }
  // The crush lasts as long as one step of his.
  EXPECT_FLOAT_EQ(t.Cell(0, 0).AnimEnd, 12.0f);

  // What stands still above him crushes nothing: a unid he grabbed from below he may walk into,
  // and a cracking armoured unid only stops him.
  t.PlayPicture({"u",
                 "T",
                 "#"});
  t.game.level.UnidsNeeded = 1;
  Frame({scan::Space, scan::Up});
  Frame({scan::Up});
  EXPECT_EQ(t.Cell(0, 2).AnimKind, AnimMove);
  EXPECT_EQ(Player(), (CellPoint{0, 2}));
  EXPECT_EQ(t.game.level.UnidsNeeded, 0);
  t.PlayPicture({"#",
                 "a",
                 "T",
                 "#"});
  t.Cell(0, 2).AnimKind = AnimCrack;
  t.Cell(0, 2).AnimTime = 1;
  t.Cell(0, 2).AnimEnd = 8;
  Frame({scan::Up});
  EXPECT_EQ(t.Cell(0, 1).AnimKind, AnimNone);
  EXPECT_EQ(Player(), (CellPoint{0, 1}));
}

// Pushing: hold the arrow frame after frame.
class PushTest : public PlayerTest {
 protected:
  // Frames of holding `arrow` until something moves (at most `limit`); 0 when nothing did.
  int HoldUntilMoved(int arrow, int limit) {
    keys.ReleaseAll();
    keys.Press(arrow);
    const CellPoint start = Player();
    for (int frame = 1; frame <= limit; ++frame) {
      t.PlayFrame();
      if (!(Player() == start)) return frame;
    }
    return 0;
  }
};

TEST_F(PushTest, BlocksMoveAfterAFifthOfASecondAtHalfSpeed) {
  t.PlayPicture({"Tp."});  // 60 frames a second, game speed 5
  EXPECT_EQ(HoldUntilMoved(scan::Right, 40), 13);
  EXPECT_EQ(t.Cell(2, 0).Type, ObjPushBlock);
  EXPECT_EQ(t.Cell(2, 0).AnimKind, AnimPushed);
  EXPECT_FLOAT_EQ(t.Cell(2, 0).AnimEnd, 30.0f);  // round(5 / 2) = 2 cells a second
  EXPECT_FLOAT_EQ(t.Cell(1, 0).AnimEnd, 30.0f);
  EXPECT_EQ(t.game.player.PushFrames, 1);
  EXPECT_EQ(t.TimesHeard(ROCK_PUSH), 1);

  t.PlayPicture({"Tp#"});
  EXPECT_EQ(HoldUntilMoved(scan::Right, 40), 0);
  EXPECT_EQ(t.Cell(1, 0).Type, ObjPushBlock);
}

TEST_F(PushTest, AKeyBlockIsUsedUpInTheHoleOfItsColour) {
  t.PlayPicture({"TkK"});
  EXPECT_EQ(HoldUntilMoved(scan::Right, 40), 13);
  EXPECT_EQ(t.Cell(1, 0).Type, ObjThresher);
  EXPECT_EQ(t.Cell(2, 0).Type, ObjKeyHoleA);
  EXPECT_EQ(t.TimesHeard(ROCK_PUSH), 1);
}

TEST_F(PushTest, FallersRollSidewaysAfterAThirdOfASecondAndTheUpwardRockAtOnce) {
  // Floors (and a ceiling for the upward rock) hold the fallers where they stand.
  t.PlayPicture({"Tr.",
                 "###"});
  EXPECT_EQ(HoldUntilMoved(scan::Right, 40), 21);
  EXPECT_EQ(t.Cell(2, 1).Type, ObjRock);
  EXPECT_FLOAT_EQ(t.Cell(2, 1).AnimEnd, 30.0f);
  // The pushing pose leans him into the rock.
  EXPECT_EQ(t.Cell(1, 1).Angle, 40);

  t.PlayPicture({"###",
                 "T..",
                 "###"});
  t.Put(1, 1, ObjRockUp);
  EXPECT_EQ(HoldUntilMoved(scan::Right, 40), 1);
  EXPECT_EQ(t.Cell(2, 1).Type, ObjRockUp);
  EXPECT_FLOAT_EQ(t.Cell(2, 1).AnimEnd, 12.0f);

  // Fallers only move sideways, and only onto an empty cell.
  t.PlayPicture({"r", "T"});
  EXPECT_EQ(HoldUntilMoved(scan::Up, 40), 0);
  EXPECT_EQ(t.game.player.PushFrames, 0);
  t.PlayPicture({"Tru",
                 "###"});
  EXPECT_EQ(HoldUntilMoved(scan::Right, 40), 0);
}

TEST_F(PushTest, AReleasedKeyStartsThePushingDelayAgain) {
  t.PlayPicture({"Tp."});
  EXPECT_EQ(HoldUntilMoved(scan::Right, 12), 0);
  EXPECT_EQ(HoldUntilMoved(scan::Right, 12), 0);
}

// Speeds derived from the game speed, at 144 frames a second so that every speed has its own
// motion length.
class SpeedTest : public PushTest, public ::testing::WithParamInterface<int> {
 protected:
  void Play(const std::vector<std::string>& picture) {
    t.game.settings.GameSpeed = GetParam();
    BuildObjectDefs(t.game);
    t.PlayPicture(picture, 144);
  }
};

TEST_P(SpeedTest, PushesGoAtHalfSpeedAndForceFloorsAtDoubleSpeed) {
  // round(speed / 2): 2, 3, 4, 4, 4 cells a second; round(2 x speed): 10 to 18.
  const std::map<int, std::pair<float, float>> frames = {
      {5, {72, 14}}, {6, {48, 12}}, {7, {36, 10}}, {8, {36, 9}}, {9, {36, 8}}};
  Play({"Tp."});
  ASSERT_EQ(HoldUntilMoved(scan::Right, 60), 29);  // pushing for more than 144 / 5 frames
  EXPECT_FLOAT_EQ(t.Cell(2, 0).AnimEnd, frames.at(GetParam()).first);

  Play({"T."});
  t.game.level.FloorGrid.Set(0, 0, MakeFloorCell(FloorForce, 1, 0));
  Frame({});
  EXPECT_FLOAT_EQ(t.Cell(1, 0).AnimEnd, frames.at(GetParam()).second);
}

TEST_P(SpeedTest, FreezeAndShieldLastLongerAtSlowerGameSpeeds) {
  Play({"T"});
  t.Put(1, 0, ObjFreezePowerup);
  t.Put(0, 1, ObjShieldPowerup);
  t.game.player.FreezeTime = 3;
  const std::map<int, int> added = {{5, 18}, {6, 16}, {7, 14}, {8, 12}, {9, 10}};
  CollectItem(t.game, {1, 0}, {1, 0});
  CollectItem(t.game, {0, 1}, {0, 1});
  EXPECT_EQ(t.game.player.FreezeTime, 3 + added.at(GetParam()));
  EXPECT_EQ(t.game.player.ShieldTime, added.at(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(GameSpeeds, SpeedTest, ::testing::Values(5, 6, 7, 8, 9));

TEST_F(PlayerTest, AUnidsAwardStartsATimeLimitOrAddsToIt) {
  t.PlayPicture({"Tuu"});
  t.game.level.UnidAward = 7;
  ASSERT_EQ(t.game.timing.TimeLeft, -1);
  CollectItem(t.game, {1, 0}, {1, 0});
  EXPECT_EQ(t.game.timing.TimeLeft, 7);
  CollectItem(t.game, {2, 0}, {2, 0});
  EXPECT_EQ(t.game.timing.TimeLeft, 14);
  EXPECT_EQ(t.game.player.TimeBonusAmount, 7);
  EXPECT_FLOAT_EQ(t.game.player.TimeBonusTimer, 10.0f);
}

TEST_F(PlayerTest, CountersStopAtTheLimitOfTheirField) {
  t.PlayPicture({"Tu"});
  for (ObjectType powerUp : {ObjBombPowerup, ObjShotPowerup, ObjFreezePowerup, ObjShieldPowerup}) {
    t.Put(2, 0, powerUp);
    t.game.player.Bombs = t.game.player.Shots = t.game.player.FreezeTime = t.game.player.ShieldTime = 32767;
    CollectItem(t.game, {2, 0}, {2, 0});
    EXPECT_EQ(t.game.player.Bombs, 32767) << powerUp;
    EXPECT_EQ(t.game.player.Shots, 32767) << powerUp;
    EXPECT_EQ(t.game.player.FreezeTime, 32767) << powerUp;
    EXPECT_EQ(t.game.player.ShieldTime, 32767) << powerUp;
  }
  t.game.timing.TimeLeft = 32760;
  t.game.level.UnidAward = 20;
  CollectItem(t.game, {1, 0}, {1, 0});
  EXPECT_EQ(t.game.timing.TimeLeft, 32767);
}

TEST_F(PlayerTest, AfterFiveSecondsStandingStillHeFidgets) {
  t.PlayPicture({"T"});
  t.RunFrames(300);
  EXPECT_EQ(t.random.Draws, 0);
  // A turn (1 in 130), no new picture, no row change.
  t.random.Script({1.5 / 130, 0.5, 0.5});
  t.PlayFrame();
  EXPECT_EQ(t.random.Draws, 3);
  EXPECT_EQ(t.Cell(0, 0).FacingLeft, 1);
  EXPECT_EQ(t.game.player.IdleFrames, 300);
  t.PlayFrame();
  EXPECT_EQ(t.random.Draws, 6);
}

}  // namespace
}  // namespace brolt
