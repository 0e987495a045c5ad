#include "game/core/state/frame_timing.h"

#include <gtest/gtest.h>

#include "game/core/level/level_clock.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::TestGame;

// Frames of a steady length on the performance counter (microsecond ticks).
void RunSteadyFrames(TestGame& t, int frames, double ms) {
  for (int i = 0; i < frames; ++i) {
    t.clock.Counter += static_cast<std::int64_t>(ms * 1000);
    AdvanceFrameRate(t.game.timing, t.clock);
  }
}

TEST(FrameRate, AveragesSinceTheLastResetAndNeverFallsBelowTen) {
  TestGame t;
  FrameTiming& timing = t.game.timing;
  timing.CounterFrequency = 1000000;
  t.clock.Counter = 5000000;
  AdvanceFrameRate(timing, t.clock);  // the first interval runs from 0 and counts as rate 0
  RunSteadyFrames(t, 1, 20);
  EXPECT_EQ(timing.FrameRateNow, 0);
  EXPECT_EQ(timing.FramesPerSecond, 10);
  RunSteadyFrames(t, 200, 1000.0 / 60);
  EXPECT_EQ(timing.FrameRateNow, 60);
  EXPECT_NEAR(timing.FramesPerSecond, 60, 1);
  ResetTickCounters(timing, t.clock);
  RunSteadyFrames(t, 50, 10);
  EXPECT_EQ(timing.FramesPerSecond, 99);  // the frame measured before the reset (60), then 49 at 100
  RunSteadyFrames(t, 10, 500);  // a slow patch moves the average only a little
  EXPECT_GT(timing.FramesPerSecond, 70);
  ResetTickCounters(timing, t.clock);
  RunSteadyFrames(t, 20, 500);
  EXPECT_EQ(timing.FramesPerSecond, 10);  // 2 frames a second is floored at 10
}

TEST(FrameRate, TheSpinAngleTurnsSixHundredDegreesASecondAndStaysWithin360) {
  TestGame t;
  FrameTiming& timing = t.game.timing;
  timing.CounterFrequency = 1000000;
  RunSteadyFrames(t, 2, 20);
  for (int i = 0; i < 500; ++i) {
    RunSteadyFrames(t, 1, 20);
    ASSERT_LE(timing.SpinAngle, 360);
    ASSERT_GE(timing.SpinAngle, 0);
  }
  const int before = timing.SpinAngle;
  RunSteadyFrames(t, 1, 20);
  EXPECT_EQ((timing.SpinAngle - before + 360) % 360, 12 % 360);  // 600 / 50
}

TEST(FrameTicks, FallOnEveryNthFrameOfTheAverageRate) {
  FrameTiming timing;
  auto ticksIn = [&](int frames) {
    int ticks30 = 0, ticks15 = 0;
    for (int i = 0; i < frames; ++i) {
      AdvanceTicks(timing);
      ticks30 += timing.Tick30 == 0;
      ticks15 += timing.Tick15 == 0;
    }
    return std::pair{ticks30, ticks15};
  };
  timing.FramesPerSecond = 60;
  EXPECT_EQ(ticksIn(60), (std::pair{30, 15}));
  timing.FramesPerSecond = 20;  // below a tick's rate every frame is a tick
  EXPECT_EQ(ticksIn(20), (std::pair{20, 10}));
  timing.FramesPerSecond = 10;
  EXPECT_EQ(ticksIn(10), (std::pair{10, 10}));
}

class LevelClockTest : public ::testing::Test {
 protected:
  LevelClockTest() {
    t.game.timing.GetReadyCount = 1;
    t.game.timing.GetReadyTarget = 1;
    brolt::AdvanceLevelClock(t.game);  // the first frame measures nothing
  }
  void Frame(std::uint32_t ms) {
    t.clock.Ticks += ms;
    brolt::AdvanceLevelClock(t.game);
  }
  TestGame t;
};

TEST_F(LevelClockTest, RunsOnlyWhileTheLevelIsPlayed) {
  Frame(400);
  EXPECT_EQ(t.game.timing.LevelMs, 400);
  t.game.flags.Dead = true;
  Frame(400);
  t.game.flags.Dead = false;
  t.game.flags.NameEntry = true;
  Frame(400);
  t.game.flags.NameEntry = false;
  t.game.timing.GetReadyCount = 0;
  Frame(400);
  EXPECT_EQ(t.game.timing.LevelMs, 400);
}

TEST_F(LevelClockTest, KeepsTheMillisecondsPastEachSecond) {
  for (int i = 0; i < 3; ++i) Frame(600);
  EXPECT_EQ(t.game.timing.LevelSeconds, 1);
  EXPECT_EQ(t.game.timing.LevelMs, 800);
  Frame(600);
  EXPECT_EQ(t.game.timing.LevelSeconds, 2);
  EXPECT_EQ(t.game.timing.LevelMs, 400);
  EXPECT_TRUE(t.game.timing.SecondTick);
  Frame(10);
  EXPECT_FALSE(t.game.timing.SecondTick);
}

TEST_F(LevelClockTest, MinutesStopAt99WhileSecondsWrap) {
  t.game.timing.LevelMinutes = 99;
  t.game.timing.LevelSeconds = 58;
  Frame(1000);
  EXPECT_EQ(t.game.timing.LevelSeconds, 59);
  Frame(1000);
  EXPECT_EQ(t.game.timing.LevelMinutes, 99);
  EXPECT_EQ(t.game.timing.LevelSeconds, 0);
  EXPECT_EQ(MakeClockText(1, 5, 523), "01:05.52");
}

TEST_F(LevelClockTest, TheLastTenSecondsOfALimitTick) {
  t.game.timing.TimeLeft = 12;
  std::vector<int> tickingAt;
  for (int second = 0; second < 14; ++second) {
    Frame(1000);
    if (t.game.sounds.Entries[TIME_TICKING].Flag) tickingAt.push_back(t.game.timing.TimeLeft);
    ResetSoundRequest(t.game.sounds.Entries[TIME_TICKING]);
  }
  EXPECT_EQ(tickingAt, (std::vector<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(t.game.timing.TimeLeft, 0);
  t.game.timing.TimeLeft = -1;
  Frame(1000);
  EXPECT_EQ(t.game.timing.TimeLeft, -1);
  EXPECT_FALSE(t.game.sounds.Entries[TIME_TICKING].Flag);
}

TEST_F(LevelClockTest, TheGetReadySecondIsCountedOutsideTheMenus) {
  t.game.timing.GetReadyCount = 0;
  Frame(999);
  EXPECT_EQ(t.game.timing.GetReadyCount, 0);
  Frame(1);
  EXPECT_EQ(t.game.timing.GetReadyCount, 1);
  EXPECT_EQ(t.game.timing.LevelMs, 0);  // the clock stood during the wait
}

TEST(LightRadius, SettlesAtTheLastStepBelowItsTarget) {
  TestGame t;
  t.game.level.LightRadius = 10;
  t.game.level.LightRadiusTarget = 45;
  for (int i = 0; i < 30; ++i) EaseLightRadius(t.game);
  EXPECT_EQ(t.game.level.LightRadius, 43);
}

}  // namespace
}  // namespace brolt
