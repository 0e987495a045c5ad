// A level's first frames as the real main loop and the game's own screens draw them, from the frames
// before the frame rate is known (which run no play update) on.
#include <gtest/gtest.h>

#include <memory>

#include "common/level_record.h"
#include "support/played_game.h"

namespace brolt {
namespace {

constexpr const char* kFailureLines[] = {"there are no exit portals left", "some of the unids got destroyed",
                                         "this level cannot be completed now", "press enter to restart"};

enum class Start { Preview, AtOnce };

// A game playing `level` with no key held, started as a preview or as the start-level hook starts a
// level of the chosen collection: at once after the start-up, the title and menus skipped.
std::unique_ptr<testing::PlayedGame> PlayedLevel(const LevelRecord& level, Start start) {
  auto played = std::make_unique<testing::PlayedGame>();
  if (start == Start::Preview) {
    played->StartPreview({EncodePreviewRecord(level), EncodePreviewMusicRecord(false)});
  } else {
    played->t.WriteCollection({EncodeLevelRecord(level)});
    played->StartAtOnce(1);
  }
  return played;
}

// A level that can be won: the Thresher, an exit and one unid on a floor.
LevelRecord WinnableLevel() {
  LevelRecord level = testing::PlainLevel();
  testing::PlaceTiles(level, {{10, 10, ObjThresher}, {12, 10, ObjUnid}, {14, 10, ObjExitPortal}});
  for (int x = 9; x <= 15; ++x) testing::PlaceTiles(level, {{x, 9, ObjWallA}});
  return level;
}

TEST(LevelStartFramesTest, AWinnableLevelShowsNoFailureFromItsFirstFrame) {
  for (Start start : {Start::Preview, Start::AtOnce}) {
    const char* name = start == Start::Preview ? "preview" : "started at once";
    auto played = PlayedLevel(WinnableLevel(), start);
    for (int frame = 1; frame <= 4; ++frame) {
      played->Frame();
      for (const char* line : kFailureLines)
        EXPECT_FALSE(played->Shows(line)) << name << ", frame " << frame << ": " << line;
      EXPECT_TRUE(played->Shows("1")) << name << ", frame " << frame;  // the unid still needed
      EXPECT_EQ(played->t.game.flags.FailReason, 0) << name << ", frame " << frame;
    }
  }
}

TEST(LevelStartFramesTest, AUnidShotByACannonIsTheReasonTheLevelIsLost) {
  LevelRecord level = WinnableLevel();
  // The unid sits on a cannon that fires up, walled in so that it cannot roll off.
  testing::PlaceTiles(level, {{30, 10, ObjCannon}, {30, 11, ObjUnid}, {29, 11, ObjWallA}, {31, 11, ObjWallA}});
  for (Start start : {Start::Preview, Start::AtOnce}) {
    const char* name = start == Start::Preview ? "preview" : "started at once";
    auto played = PlayedLevel(level, start);
    const auto shot = [&played] { return played->t.Cell(30, 11).Type != ObjUnid; };
    for (int frame = 0; frame < 1000 && !shot(); ++frame) played->Frame();
    ASSERT_TRUE(shot()) << name;
    // The blast still counts as nothing; the next frame's update finds the unid gone.
    played->Frame();
    EXPECT_TRUE(played->Shows("this level cannot be completed now")) << name;
    EXPECT_TRUE(played->Shows("some of the unids got destroyed")) << name;
    EXPECT_FALSE(played->Shows("there are no exit portals left")) << name;
    EXPECT_EQ(played->t.game.flags.FailReason, 2) << name;
  }
}

}  // namespace
}  // namespace brolt
