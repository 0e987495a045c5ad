// A level starts only when the player chooses it in the level list: the title menu played through
// the main loop and the keyboard.
#include <gtest/gtest.h>

#include "common/level_record.h"
#include "support/played_game.h"

namespace brolt {
namespace {

class ChosenLevelTest : public ::testing::Test {
 protected:
  // A collection of two levels, the first with an exit beside the Thresher, and before it in the
  // list one without levels, chosen.
  ChosenLevelTest() {
    LevelRecord first = testing::PlainLevel();
    first.title = "first";
    testing::PlaceTiles(first, {{10, 10, ObjThresher}, {11, 10, ObjExitPortal}, {10, 9, ObjWallA}, {11, 9, ObjWallA}});
    LevelRecord second = testing::PlainLevel();
    second.title = "second";
    g.t.WriteCollection({EncodeLevelRecord(first), EncodeLevelRecord(second)}, "levels.lvl");
    g.t.WriteCollection({}, "bare.lvl");
  }

  void StartOnTheMainPage() {
    g.StartOnTitle();
    for (int frame = 0; frame < 200 && g.t.game.render.TitleFade < 200; ++frame) g.Frame();
    g.Tap(scan::Enter);  // ends the title
  }

  // From the main page: the collection of two levels chosen in the collection list, "play"
  // highlighted again.
  void ChooseTheCollectionOfTwoLevels() {
    g.Tap(scan::Down);  // "collection"
    g.Tap(scan::Enter);
    g.Tap(scan::Down);
    g.Tap(scan::Enter);
    g.Tap(scan::Up);  // "play"
  }

  // Holds Right until the Thresher has stepped into the exit beside him.
  void WalkIntoTheExit() {
    g.Press(scan::Right);
    for (int frame = 0; frame < 200 && !g.t.game.flags.NameEntry; ++frame) g.Frame();
    g.Release(scan::Right);
    ASSERT_TRUE(g.t.game.flags.NameEntry);
  }

  bool Playing() const { return !g.t.game.flags.InMenu; }

  testing::PlayedGame g;
};

TEST_F(ChosenLevelTest, EnterOnAnEmptyListStartsNothingLaterInAnotherCollection) {
  StartOnTheMainPage();
  g.Tap(scan::Enter);  // "play": the empty level list
  g.Tap(scan::Enter);  // chooses the level that is not there
  g.Frames(10);
  g.Tap(scan::Escape);
  ChooseTheCollectionOfTwoLevels();
  g.Tap(scan::Enter);
  ASSERT_TRUE(g.Shows("first")) << "its level list";
  g.Frames(30);
  EXPECT_FALSE(Playing());

  g.Tap(scan::Enter);
  g.Frames(10);
  EXPECT_TRUE(Playing());
  EXPECT_EQ(g.t.game.level.LevelTitle, "first");
}

TEST_F(ChosenLevelTest, EscapeRightAfterChoosingALevelKeepsItFromStarting) {
  StartOnTheMainPage();
  ChooseTheCollectionOfTwoLevels();
  g.Tap(scan::Enter);
  g.Tap(scan::Enter);  // level 1, launched
  g.Tap(scan::Escape);  // before it has started
  g.Frames(10);
  EXPECT_FALSE(Playing());
  g.Tap(scan::Enter);  // "play" again
  g.Frames(30);
  EXPECT_FALSE(Playing());
}

// Leaving the list drops only a launch: the title of a finished level goes on growing back.
TEST_F(ChosenLevelTest, AFinishedLevelsTitleGoesOnReturningAfterEscape) {
  StartOnTheMainPage();
  ChooseTheCollectionOfTwoLevels();
  g.Tap(scan::Enter);
  g.Tap(scan::Enter);  // level 1
  g.Frames(10);
  ASSERT_TRUE(Playing());
  WalkIntoTheExit();
  g.Tap(scan::Enter);  // back in the list, the title of level 1 shrunk
  g.Tap(scan::Escape);
  g.Tap(scan::Enter);  // "play"
  ASSERT_NE(g.Drawn("first"), nullptr);
  EXPECT_LT(g.Drawn("first")->size, 19);
}

// The start-level hook takes the player's way into a level, so the way out is his too: the finished
// level's title returns to the list, which then waits for a choice.
TEST_F(ChosenLevelTest, AfterALevelStartedAtOnceTheListWaitsForAChoice) {
  g.t.game.LevelList.Select("levels.lvl");
  g.StartAtOnce(1);
  WalkIntoTheExit();
  g.Tap(scan::Enter);  // the level-complete screen
  g.Tap(scan::Enter);  // "play"
  g.Frames(30);
  EXPECT_FALSE(Playing());
  EXPECT_EQ(g.t.game.flags.CurrentLevel, 2) << "the highlight handed on";
}

}  // namespace
}  // namespace brolt
