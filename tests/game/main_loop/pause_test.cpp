// The help and the options over a level are a pause, in a collection's level and in preview play
// alike: the level's clock and its time limit stand under them for as long as they stay up, and
// once the screen closes the level waits its get-ready second again and goes on from the time it
// had. Played through the real main loop, the game's own screens and the keyboard.
#include <gtest/gtest.h>

#include "common/level_record.h"
#include "support/played_game.h"

namespace brolt {
namespace {

// Frames of 16 ms in a second, rounded down.
constexpr int kSecond = 62;

int PlayedMs(const FrameTiming& timing) {
  return (timing.LevelMinutes * 60 + timing.LevelSeconds) * 1000 + timing.LevelMs;
}

TEST(PauseTest, TheHelpAndTheOptionsStopTheLevelsClockAndLimitUntilTheyClose) {
  const struct {
    const char* name;
    bool preview;
    int key;
  } rows[] = {
      {"the help over a level", false, scan::F1},
      {"the options over a level", false, scan::F4},
      {"the help in preview play", true, scan::F1},
  };
  LevelRecord level = testing::PlainLevel();
  level.timeLimit = 10;
  testing::PlaceTiles(level, {{10, 10, ObjThresher}, {14, 10, ObjExitPortal}});
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    testing::PlayedGame g;
    if (row.preview) {
      g.StartPreview({EncodePreviewRecord(level), EncodePreviewMusicRecord(false)});
    } else {
      g.t.WriteCollection({EncodeLevelRecord(level)});
      g.StartAtOnce(1);
    }
    const FrameTiming& timing = g.t.game.timing;
    g.Frames(3 * kSecond);  // the get-ready second, then two seconds of play
    const int played = PlayedMs(timing);
    const int left = timing.TimeLeft;

    g.Tap(row.key);
    g.Frames(20 * kSecond);  // longer than the time left
    EXPECT_TRUE(g.Shows("paused"));
    EXPECT_EQ(PlayedMs(timing), played);
    EXPECT_EQ(timing.TimeLeft, left);

    g.Tap(scan::Escape);
    g.Frames(kSecond - 8);
    EXPECT_EQ(PlayedMs(timing), played) << "the get-ready second";
    g.Frames(kSecond);
    EXPECT_GT(PlayedMs(timing), played);
    EXPECT_FALSE(g.t.game.flags.Dead);
    EXPECT_TRUE(g.running);
  }
}

}  // namespace
}  // namespace brolt
