#include "game/simulation/devices.h"

#include <gtest/gtest.h>

#include "game/core/state/anim_kind.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::CellPoint;
using testing::TestGame;

// The frames in which sound `id` was heard.
std::vector<int> FramesHeard(const TestGame& t, int id) {
  std::vector<int> frames;
  for (const auto& sound : t.heard)
    if (sound.id == id) frames.push_back(sound.frame);
  return frames;
}

TEST(CannonTest, FiresOnTheFrameAfterItsIntervalAndNeverAtRateZero) {
  TestGame t;
  t.PlayPicture({"c"}, 60, 5, 5);  // facing up, into an empty cell
  t.game.level.CannonRate = 2;
  t.RunFrames(121);
  EXPECT_EQ(FramesHeard(t, BOMB_EXPLODE), std::vector<int>{121});
  EXPECT_EQ(t.Cell(5, 5).AnimKind, AnimCannonFire);
  EXPECT_EQ(t.Cell(5, 5).Timer, 0);
  // The barrel runs back over 8 ticks, 16 frames at 60 a second, and rests at picture 1.
  t.RunFrames(15);
  EXPECT_EQ(t.Cell(5, 5).AnimTime, 0.0f);
  EXPECT_EQ(t.Cell(5, 5).Frame, 1);

  t.PlayPicture({"c"}, 60, 5, 5);
  t.game.level.CannonRate = 0;
  t.heard.clear();
  t.RunFrames(600);
  EXPECT_EQ(t.TimesHeard(BOMB_EXPLODE), 0);
  EXPECT_EQ(t.Cell(5, 5).Timer, 0);
}

TEST(CannonTest, ACannonFacingAWallCountsPastSixteenBitsAndFiresOnceTheWallIsGone) {
  TestGame t;
  t.PlayPicture({"#", "c"}, 60, 5, 5);
  t.game.level.CannonRate = 2;
  t.Cell(5, 5).Timer = 32767;
  t.PlayFrame();
  EXPECT_EQ(t.Cell(5, 5).Timer, 32768);
  EXPECT_EQ(t.TimesHeard(BOMB_EXPLODE), 0);
  t.Put(5, 6, ObjEmpty);
  t.PlayFrame();
  EXPECT_EQ(t.TimesHeard(BOMB_EXPLODE), 1);
  EXPECT_EQ(t.Cell(5, 5).Timer, 0);
}

TEST(RockGeneratorTest, SpawnsARockBelowOnItsTimerAndLosesTheRockWhenBlocked) {
  TestGame t;
  // 60 frames a second at speed 5: every 13th frame. The floor keeps the rock below the generator.
  t.PlayPicture({"R", ".", "#"}, 60, 5, 3);
  t.RunFrames(12);
  EXPECT_EQ(t.Cell(5, 4).Type, ObjEmpty);
  t.PlayFrame();
  const LevelCell& rock = t.Cell(5, 4);
  ASSERT_EQ(rock.Type, ObjRock);
  EXPECT_EQ(rock.AnimKind, AnimGeneratorSpawn);
  EXPECT_EQ(rock.AnimEnd, 13.0f);
  EXPECT_FLOAT_EQ(rock.OffsetY, 9.0f - 9.0f / 13);
  t.RunFrames(12);
  EXPECT_NEAR(rock.OffsetY, 0.0, 1e-5);
  EXPECT_EQ(rock.AnimTime, 0.0f);
  EXPECT_EQ(t.TimesHeard(ROCK_GENERATOR), 25);
  // The rock stays below: the next spawn is lost and the count starts again.
  const LevelCell before = rock;
  t.PlayFrame();
  EXPECT_EQ(t.Cell(5, 5).Timer, 0);
  EXPECT_EQ(t.Cell(5, 4), before);
}

TEST(HatcherTest, HatchesAlternateAcrossLevelsStartingWithAraneaeB) {
  TestGame t;
  for (int hatched : {ObjAraneaeB, ObjAraneaeA, ObjAraneaeB}) {
    t.PlayPicture({"H", "#"}, 60, 5, 5);
    t.Cell(5, 6).Countdown = 1;
    t.RunToSecondTick();
    EXPECT_EQ(t.Cell(5, 6).Type, ObjHatcher);
    t.PlayFrame();
    EXPECT_EQ(t.Cell(5, 6).Type, hatched);
  }
}

TEST(HatcherTest, GrowsOnlyWhileThePlayerLivesButCountsDownRegardless) {
  TestGame t;
  t.LoadTiles({});
  t.SetFrameRate(60);
  LevelCell& hatcher = t.Put(5, 5, ObjHatcher);
  hatcher.Countdown = 5;
  hatcher.Frame = 8;
  t.game.timing.SecondTick = true;
  t.game.flags.Dead = true;
  UpdateHatcher(t.game, 5, 5);
  EXPECT_EQ(hatcher.Countdown, 4);
  EXPECT_EQ(hatcher.Scale, 0.7f);
  EXPECT_EQ(hatcher.Frame, 1);
  t.game.flags.Dead = false;
  UpdateHatcher(t.game, 5, 5);
  EXPECT_FLOAT_EQ(hatcher.Scale, 0.7f + 5.0f / 300 / 60);
}

TEST(ExitPortalTest, OpensOnlyWhenExactlyNoUnidIsNeeded) {
  TestGame t;
  t.PlayPicture({"E"}, 60, 5, 5);
  for (int needed : {1, -1}) {
    t.game.level.UnidsNeeded = static_cast<std::int16_t>(needed);
    t.PlayFrame();
    EXPECT_EQ(t.Cell(5, 5).Type, ObjClosedPortal) << needed;
  }
  t.game.level.UnidsNeeded = 0;
  t.RunFrames(8);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjExitPortal);
  EXPECT_EQ(t.TimesHeard(EXIT_OPEN), 1);
  t.RunFrames(4);
  EXPECT_EQ(t.Cell(5, 5).Frame, 16);
}

TEST(DoorTest, EachSwitchSwingsEveryDoorOnceAndLocksTheSwitchesForTheSwing) {
  TestGame t;
  t.PlayPicture({"D.d"}, 60, 5, 5);
  // As the Thresher sets it with the switch.
  t.game.devices.DoorsSwinging = ToggleDoors(t.game);
  EXPECT_TRUE(t.game.devices.DoorsSwinging);
  EXPECT_EQ(t.Cell(5, 5).Type, ObjDoorClosed);
  EXPECT_EQ(t.Cell(7, 5).Type, ObjDoorOpen);
  t.RunFrames(7);
  EXPECT_TRUE(t.game.devices.DoorsSwinging);
  t.PlayFrame();
  EXPECT_FALSE(t.game.devices.DoorsSwinging);
  t.RunFrames(5);
  EXPECT_EQ(t.Cell(5, 5).Frame, 1);
  EXPECT_EQ(t.Cell(7, 5).Frame, 8);
  EXPECT_EQ(t.Cell(5, 5).AnimTime, 0.0f);
  EXPECT_TRUE(ToggleDoors(t.game));
  EXPECT_EQ(t.Cell(5, 5).Type, ObjDoorOpen);
  EXPECT_EQ(t.Cell(7, 5).Type, ObjDoorClosed);

  // Without doors nothing swings.
  t.PlayPicture({"s"}, 60, 5, 5);
  EXPECT_FALSE(ToggleDoors(t.game));
}

TEST(DeviceAnimationTest, CrackKeyHoleGrabAndGeneratorEntryEndInTheirCells) {
  TestGame t;
  t.PlayPicture({"a.K.r.u", "....R.."}, 60, 5, 5);
  const std::int16_t angle = t.Cell(5, 6).Angle;
  StartUnidCrack(t.game, 5, 6);
  StartKeyHoleOpen(t.game, 7, 6);
  EnterGenerator(t.game, 9, 6);
  LevelCell& grabbed = t.Cell(11, 6);
  grabbed.AnimKind = AnimGrab;
  grabbed.AnimTime = 1;
  grabbed.AnimEnd = 5;
  grabbed.Scale = 1;
  t.RunFrames(4);
  EXPECT_FLOAT_EQ(t.Cell(11, 6).Scale, 0.2f);
  t.PlayFrame();
  EXPECT_EQ(t.Cell(11, 6).Type, ObjEmpty);
  t.RunFrames(3);
  EXPECT_EQ(t.Cell(5, 6).Type, ObjUnid);  // after 8 frames
  EXPECT_EQ(t.Cell(5, 6).Angle, angle);
  // The key hole counts 8 ticks of the 30-per-second clock, every other frame at 60.
  t.RunFrames(5);
  EXPECT_EQ(t.Cell(7, 6).Type, ObjKeyHoleA);
  t.RunFrames(3);
  EXPECT_EQ(t.Cell(7, 6).Type, ObjEmpty);
  t.RunFrames(3);
  EXPECT_EQ(t.Cell(9, 6).Type, ObjRock);
  t.PlayFrame();
  EXPECT_EQ(t.Cell(9, 6).Type, ObjEmpty);  // Int(60 / 3) frames
  EXPECT_EQ(t.TimesHeard(UNID_CRACK), 1);
  EXPECT_EQ(t.TimesHeard(DOOR_OPEN), 1);
}

TEST(DeviceAnimationTest, ACrushedPlayerIsPushedIntoTheCellAheadAndExplodesThere) {
  for (const std::int16_t shield : {0, 5}) {
    TestGame t;
    t.PlayPicture({"r", "T"}, 60, 5, 5);
    t.game.player.ShieldTime = shield;
    LevelCell& player = t.Cell(5, 5);
    player.DirY = 1;
    player.AnimKind = AnimCrush;
    player.AnimTime = 1;
    player.AnimEnd = 12;
    t.RunFrames(10);
    EXPECT_TRUE(t.explosions.empty());
    EXPECT_FLOAT_EQ(t.Cell(5, 5).OffsetY, 7.5f);
    t.PlayFrame();
    EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{5, 6}})) << shield;
    EXPECT_EQ(t.Cell(5, 5).Type, ObjEmpty) << shield;
    if (shield > 0) {
      // The shield spares him in the cell he was pushed into.
      EXPECT_EQ(t.Cell(5, 6).Type, ObjThresher);
      EXPECT_FALSE(t.game.flags.Dead);
      EXPECT_FLOAT_EQ(t.game.level.PlayerY, 6.0f);
    } else {
      EXPECT_EQ(t.Cell(5, 6).Type, ObjBlastB);
      EXPECT_EQ(t.Cell(5, 6).Carried, ObjThresher);
      EXPECT_TRUE(t.game.flags.Dead);
    }
  }
}

}  // namespace
}  // namespace brolt
