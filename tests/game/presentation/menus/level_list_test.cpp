// The title menu's level and collection lists over a levels folder holding an uncompiled
// collection of twenty levels and a compiled one of four.
#include "game/presentation/menus/level_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "game/presentation/menus/collection_list.h"
#include "game/presentation/text/screen_colours.h"
#include "support/menu_game.h"

namespace brolt {
namespace {

using testing::CompiledLevel;
using testing::MenuGame;

std::vector<std::string> Numbered(int n) {
  static const char* kWords[] = {"one", "two", "three", "four", "five", "six", "seven"};
  std::vector<std::string> titles;
  for (int i = 1; i <= n; ++i) titles.push_back(i <= 7 ? kWords[i - 1] : "level " + std::to_string(i));
  return titles;
}

class LevelListTest : public ::testing::Test, public MenuGame {
 protected:
  LevelListTest() {
    WriteUncompiled("free.lvl", Numbered(20));
    WriteCompiled("tour.clvl",
                  {{"first", '2', "01:02:30 ", "ANNA"}, {"second", '1'}, {"third", '0'}, {"fourth", '0'}},
                  "Welcome to the {tour}");
    Choose("free.lvl");
    game.flags.InMenu = true;
  }
  void OpenLevelList() { Frame({scan::Enter}); }
  void OpenCollectionList() {
    Page(MainPage).Selected = 0;
    Frame({scan::Down});
    Frame({scan::Enter});
  }
  std::int16_t Current() const { return game.flags.CurrentLevel; }
  std::vector<int> None() const { return {}; }
  std::vector<int> Move() const { return {MENU_MOVE}; }
};

TEST_F(LevelListTest, TheKeysMoveWithinTheCollectionAndAreSilentAtItsEnds) {
  OpenLevelList();
  ASSERT_TRUE(Page(LevelListPage).Active);
  struct Step {
    int from, key, to;
    bool heard;
  };
  const Step kSteps[] = {
      {1, scan::Up, 1, false},       {1, scan::PageUp, 1, false},  {20, scan::Down, 20, false},
      {20, scan::PageDown, 20, false}, {12, scan::PageDown, 20, true}, {5, scan::PageUp, 1, true},
      {19, scan::Down, 20, true},    {2, scan::Up, 1, true},       {3, scan::End, 20, false},
      {17, scan::Home, 1, false},
  };
  for (const Step& step : kSteps) {
    game.flags.CurrentLevel = static_cast<std::int16_t>(step.from);
    Frame({step.key});
    EXPECT_EQ(Current(), step.to) << step.from << " key " << step.key;
    EXPECT_EQ(sounds, step.heard ? Move() : None()) << step.from << " key " << step.key;
  }
}

TEST_F(LevelListTest, AnUncompiledCollectionListsEveryLevelAsSolvedAndStartsAnyOfThem) {
  Frame();
  ASSERT_NE(Text("free.lvl"), nullptr);
  EXPECT_EQ(Text("free.lvl")->colour, Rgb(0, 255, 0));

  OpenLevelList();
  game.flags.CurrentLevel = 3;
  Frame();
  ASSERT_NE(Text("three"), nullptr);
  EXPECT_EQ(Text("three")->colour, kWhiteText);
  EXPECT_EQ(Text("three")->sizeWave, 2);
  EXPECT_EQ(Text("three")->y, 81 + 40 * 4);
  EXPECT_EQ(Text("one")->colour, Rgb(205, 205, 205));
  EXPECT_EQ(Text("seven")->colour, Rgb(205, 205, 205));
  EXPECT_EQ(Text("level 8"), nullptr);
  EXPECT_EQ(TextAt(81 + 40 * 4, 10)->text, "3");

  game.flags.CurrentLevel = 17;
  Frame({scan::Enter});
  Frames(4);
  EXPECT_FALSE(game.flags.InMenu);
  EXPECT_EQ(game.level.LevelTitle, "level 17");
}

TEST_F(LevelListTest, ACompiledCollectionShowsItsStatesAndRefusesClosedLevels) {
  Choose("tour.clvl");
  Frame();
  ASSERT_NE(Text("tour"), nullptr);
  EXPECT_EQ(Text("tour")->colour, kWhiteText);
  EXPECT_EQ(Text("tour.clvl"), nullptr);

  OpenLevelList();
  game.flags.CurrentLevel = 2;
  Frame();
  EXPECT_EQ(Text("first")->colour, Rgb(205, 205, 205));
  EXPECT_EQ(Text("second")->colour, Rgb(0, 255, 0));
  EXPECT_EQ(Text("third")->colour, Rgb(50, 50, 200));
  game.flags.CurrentLevel = 1;
  Frame();
  EXPECT_EQ(TextAt(20)->text, "ANNA");
  EXPECT_EQ(TextAt(35)->text, "01:02.30");

  game.flags.CurrentLevel = 3;
  Frame({scan::Enter});
  Frames(3);
  EXPECT_EQ(sounds, None());
  Frame();
  EXPECT_EQ(sounds, std::vector<int>{MENU_NA});
  EXPECT_TRUE(game.flags.InMenu);
  EXPECT_EQ(Current(), 3);
  Frame();
  EXPECT_EQ(Text("third")->colour, Rgb(50, 50, 250));
  EXPECT_EQ(Text("third")->size, 19);
}

TEST_F(LevelListTest, TabAndF9HeldWhilePlayIsChosenOpenEveryLevelUntilTheMainPageReturns) {
  Choose("tour.clvl");
  Frame({scan::Enter}, {15, 67});
  EXPECT_TRUE(game.menu.AllLevelsOpen);
  game.flags.CurrentLevel = 4;
  Frame();
  EXPECT_EQ(Text("fourth")->colour, Rgb(255, 100, 0));
  EXPECT_EQ(Text("first")->sizeWave, 2);
  Frame({scan::Escape});
  Frame();
  EXPECT_FALSE(game.menu.AllLevelsOpen);
}

TEST_F(LevelListTest, ALevelStartsInTheFifthFrameCountingTheOneOfEnter) {
  OpenLevelList();
  game.flags.CurrentLevel = 2;
  game.checkpoint.CheckpointSaved = true;
  Frame({scan::Enter});
  EXPECT_EQ(sounds, std::vector<int>{MENU_SELECT});
  EXPECT_EQ(Text("two")->size, 19);
  EXPECT_EQ(game.menu.LaunchShrink, 1);
  Frames(3);
  EXPECT_TRUE(game.flags.InMenu);
  EXPECT_EQ(Text("two")->size, 16);
  EXPECT_TRUE(log.empty());

  Frame();
  EXPECT_FALSE(game.flags.InMenu);
  EXPECT_EQ(log, (testing::CallLog{"AdvancePlaylist", "PlayNextTrack", "StartMusicTrack"}));
  EXPECT_EQ(game.flags.LevelMusic, 1);
  EXPECT_FALSE(game.checkpoint.CheckpointSaved);
  EXPECT_EQ(game.level.LevelTitle, "two");
  EXPECT_EQ(game.menu.LaunchLevel, 0);
  EXPECT_TRUE(Page(LevelListPage).Active);
}

TEST_F(LevelListTest, AFinishedLevelGrowsBackAndHandsTheHighlightOnOnce) {
  OpenLevelList();
  for (int finished : {3, 20}) {
    game.flags.CurrentLevel = static_cast<std::int16_t>(finished);
    // As level completion leaves the list.
    game.menu.LaunchLevel = static_cast<std::int16_t>(finished);
    game.menu.LaunchPhase = 1;
    game.menu.LaunchShrink = 5;
    game.menu.MenuLevelColour = 100;
    game.menu.AdvanceAfterFinish = true;
    Frame();
    EXPECT_EQ(Current(), std::min(finished + 1, 20));
    EXPECT_EQ(sounds, Move());
    for (int frame = 0; frame < 200 && game.menu.LaunchLevel != 0; ++frame) Frame();
    EXPECT_EQ(game.menu.LaunchLevel, 0);
    EXPECT_EQ(game.menu.LaunchShrink, 0);
    EXPECT_EQ(Current(), std::min(finished + 1, 20));
  }
}

TEST_F(LevelListTest, TheCollectionListMovesSilentlyNowhereBeyondItsEnds) {
  OpenCollectionList();
  ASSERT_TRUE(Page(CollectionListPage).Active);
  Frame({scan::Up});
  EXPECT_EQ(game.LevelList.Selected, 0);
  EXPECT_EQ(sounds, None());
  game.flags.CurrentLevel = 9;
  Frame({scan::Down});
  EXPECT_EQ(game.LevelList.Selected, 1);
  EXPECT_EQ(sounds, Move());
  EXPECT_EQ(Current(), 1);
  EXPECT_EQ(game.collection.LevelCount, 4);
  Frame({scan::Down});
  EXPECT_EQ(game.LevelList.Selected, 1);
  EXPECT_EQ(sounds, None());
}

TEST_F(LevelListTest, EscapeFromTheCollectionListRestoresTheCollectionItsLevelAndItsCount) {
  game.flags.CurrentLevel = 7;
  OpenCollectionList();
  Frame({scan::Down});
  Frame({scan::Escape});
  EXPECT_TRUE(Page(MainPage).Active);
  EXPECT_FALSE(Page(CollectionListPage).Active);
  EXPECT_EQ(game.LevelList.SelectedName(), "free.lvl");
  EXPECT_EQ(Current(), 7);
  EXPECT_EQ(game.collection.LevelCount, 20);
  Frame();
  EXPECT_NE(Text("free.lvl"), nullptr);

  OpenCollectionList();
  Frame({scan::Down});
  Frame({scan::Enter});
  EXPECT_TRUE(Page(MainPage).Active);
  EXPECT_EQ(game.LevelList.SelectedName(), "tour.clvl");
  EXPECT_EQ(game.collection.LevelCount, 4);
}

TEST_F(LevelListTest, TheCollectionListShowsTheDescriptionOrSaysTheCollectionIsNotCompiled) {
  OpenCollectionList();
  ASSERT_NE(TextAt(30), nullptr);
  EXPECT_NE(TextAt(30)->text.find("This level collection is not compiled."), std::string::npos);
  EXPECT_EQ(TextAt(30)->colour, Rgb(5, 225, 5));
  EXPECT_EQ(Text("free.lvl")->colour, Rgb(0, 255, 0));
  EXPECT_EQ(Text("tour")->colour, Rgb(205, 205, 205));
  Frame({scan::Down});
  EXPECT_EQ(TextAt(30)->colour, Rgb(225, 225, 225));
  EXPECT_EQ(Text("free.lvl")->colour, Rgb(0, 155, 0));
  EXPECT_EQ(Text("tour")->colour, kWhiteText);
}

TEST_F(LevelListTest, WhetherACollectionIsCompiledIsReadAgainOnlyAfterTheListMoves) {
  OpenCollectionList();
  Frame({scan::Down});
  WriteUncompiled("tour.clvl", Numbered(2));
  Frame();
  EXPECT_NE(Text("tour"), nullptr);
  Frame({scan::Up});
  Frame({scan::Down});
  EXPECT_EQ(Text("tour"), nullptr);
  EXPECT_EQ(Text("tour.clvl")->colour, Rgb(0, 255, 0));

  // A collection that vanished from the folder reads as an uncompiled one without levels.
  std::filesystem::remove(test.levels / "tour.clvl");
  Frame({scan::Up});
  Frame({scan::Down});
  EXPECT_EQ(Text("tour.clvl")->colour, Rgb(0, 255, 0));
  EXPECT_EQ(game.collection.LevelCount, 0);
}

}  // namespace
}  // namespace brolt
