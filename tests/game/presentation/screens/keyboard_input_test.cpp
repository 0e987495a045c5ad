#include "game/presentation/screens/keyboard_input.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "support/test_game.h"

namespace brolt {
namespace {

using testing::CellPoint;
using testing::TestGame;

class KeyboardInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.LoadPicture({"T.u"});
    t.game.timing.FrameRateNow = 60;
    InitKeyboard(t.game);
  }
  void Hold(int key) { held[static_cast<std::size_t>(key)] = 1; }
  void Release(int key) { held[static_cast<std::size_t>(key)] = 0; }
  void Poll() { PollKeyboard(t.game, held); }
  // The key goes down for one frame, then up again (seen by the next poll, or by this one first when
  // the last press still reads as down).
  void Press(int key) {
    if (Down(key) != 0) Poll();
    Hold(key);
    Poll();
    Release(key);
  }
  std::int32_t Down(int key) const { return t.game.keys.KeyDown[static_cast<std::size_t>(key)]; }
  std::int32_t Pressed(int key) const { return t.game.keys.KeyPressed[static_cast<std::size_t>(key)]; }
  // A level that can still be won, being played.
  void Playing() {
    t.game.flags.InMenu = false;
    t.game.level.PortalCount = 1;
    t.game.level.UnidCount = 0;
    t.game.level.UnidsNeeded = 0;
  }

  TestGame t;
  HeldKeyTable held{};
};

TEST_F(KeyboardInputTest, AHeldMenuKeyActsWhenItGoesDownAfterAThirdOfASecondAndThenEveryTwelfth) {
  t.game.flags.InMenu = true;
  Hold(scan::Down);
  std::vector<int> acting, pressed;
  for (int frame = 0; frame < 40; ++frame) {
    Poll();
    if (Down(scan::Down) == 1) acting.push_back(frame);
    if (Pressed(scan::Down) == 1) pressed.push_back(frame);
    EXPECT_NE(Down(scan::Down), 0);
  }
  EXPECT_EQ(acting, (std::vector<int>{0, 18, 23, 28, 33, 38}));
  EXPECT_EQ(pressed, std::vector<int>{0});
  Release(scan::Down);
  Poll();
  EXPECT_EQ(Down(scan::Down), 0);
  Press(scan::Down);  // a new press acts at once
  EXPECT_EQ(Down(scan::Down), 1);
  EXPECT_EQ(Pressed(scan::Down), 1);
}

TEST_F(KeyboardInputTest, InPlayAHeldKeyReadsOneInEveryFrameAndIsPressedOnlyInTheFirst) {
  Playing();
  Hold(scan::LeftCtrl);
  for (int frame = 0; frame < 30; ++frame) {
    Poll();
    EXPECT_EQ(Down(scan::LeftCtrl), 1) << frame;
    EXPECT_EQ(Pressed(scan::LeftCtrl), frame == 0 ? 1 : 0) << frame;
  }
  Release(scan::LeftCtrl);
  Poll();
  EXPECT_EQ(Down(scan::LeftCtrl), 0);
  EXPECT_EQ(Pressed(scan::LeftCtrl), 0);
}

TEST_F(KeyboardInputTest, AKeyThatWentDownSinceTheLastReadIsPressedInThisFrameAlone) {
  for (const bool inMenu : {true, false}) {
    SCOPED_TRACE(inMenu ? "in the menu" : "in play");
    InitKeyboard(t.game);
    t.game.flags.InMenu = inMenu;
    // Pressed and released again between two reads.
    held[scan::Space] = KeyWentDown;
    Poll();
    EXPECT_EQ(Pressed(scan::Space), 1);
    EXPECT_EQ(Down(scan::Space), 1);
    held[scan::Space] = 0;
    Poll();
    EXPECT_EQ(Pressed(scan::Space), 0);
    EXPECT_EQ(Down(scan::Space), 0);
    // Released and pressed again between two reads while it was held: a new press, acting at once.
    Hold(scan::Down);
    for (int frame = 0; frame < 5; ++frame) Poll();
    EXPECT_EQ(Pressed(scan::Down), 0);
    held[scan::Down] = KeyHeld | KeyWentDown;
    Poll();
    EXPECT_EQ(Pressed(scan::Down), 1);
    EXPECT_EQ(Down(scan::Down), 1);
    EXPECT_EQ(t.game.keys.LastArrowKey, scan::Down);
    Hold(scan::Down);
    Poll();
    EXPECT_EQ(Pressed(scan::Down), 0);
    Release(scan::Down);
  }
}

TEST_F(KeyboardInputTest, OnlyANewPressOfTheArrowThatThrewASwitchReleasesTheLatch) {
  Playing();
  PlayerState& player = t.game.player;
  player.SwitchLatch = true;
  player.SwitchLatchKey = scan::Left;
  Press(scan::Right);
  EXPECT_TRUE(player.SwitchLatch);
  EXPECT_EQ(t.game.keys.LastArrowKey, scan::Right);
  Hold(scan::Left);
  Poll();
  EXPECT_FALSE(player.SwitchLatch);
  EXPECT_EQ(t.game.keys.LastArrowKey, scan::Left);
  player.SwitchLatch = true;  // thrown again while the arrow stays down
  Poll();
  EXPECT_TRUE(player.SwitchLatch);
}

TEST_F(KeyboardInputTest, AnyKeyEndsTheTitleOnceItHasFadedInWithoutChoosingAMenuItem) {
  GameFlags& flags = t.game.flags;
  flags.InMenu = true;
  flags.ShowingTitle = true;
  t.game.render.TitleFade = 198;
  Hold(scan::Space);
  Poll();
  EXPECT_TRUE(flags.ShowingTitle);
  Release(scan::Space);
  t.game.render.TitleFade = 200;
  Poll();
  EXPECT_TRUE(flags.ShowingTitle) << "no key held";
  Hold(scan::Enter);
  Poll();
  EXPECT_FALSE(flags.ShowingTitle);
  EXPECT_EQ(Pressed(scan::Enter), 0);
  EXPECT_EQ(Down(scan::Enter), 1);
}

TEST_F(KeyboardInputTest, InsertAndDeleteMoveDepthAndZoomTenStepsEachWay) {
  Playing();
  Hold(scan::Insert);
  for (int frame = 0; frame < 12; ++frame) Poll();
  EXPECT_EQ(t.game.render.DepthStep, 10);
  EXPECT_FLOAT_EQ(t.game.render.LightFactor, 1.0f);
  EXPECT_FLOAT_EQ(t.game.camera.CameraZoom, 2.5f);
  Release(scan::Insert);
  t.game.flags.InMenu = true;  // the keys work on every screen
  Hold(scan::Delete);
  for (int frame = 0; frame < 10; ++frame) Poll();
  EXPECT_EQ(t.game.render.DepthStep, 0);
  EXPECT_EQ(t.game.render.LightFactor, 0.0f);
  EXPECT_EQ(t.game.camera.CameraZoom, 4.0f);
  Poll();
  EXPECT_EQ(t.game.camera.CameraZoom, 4.0f);
}

TEST_F(KeyboardInputTest, HelpStopsTheGlobalKeysAfterTheSwitches) {
  GameFlags& flags = t.game.flags;
  Playing();
  flags.ShowingHelp = true;
  Hold(scan::F12);
  Hold(scan::F11);
  Hold(scan::F4);
  Hold(scan::Escape);
  Poll();
  EXPECT_TRUE(t.game.startUp.ShowFps);
  EXPECT_TRUE(t.game.settings.ShowBG);
  EXPECT_FALSE(flags.ShowingOptions);
  EXPECT_TRUE(t.game.explosions.ShieldEnabled);
  EXPECT_TRUE(t.explosions.empty());
  Poll();  // held, not pressed again
  EXPECT_TRUE(t.game.startUp.ShowFps);
}

TEST_F(KeyboardInputTest, HelpOpensFromMenuAndPlayOptionsOnlyFromPlay) {
  GameFlags& flags = t.game.flags;
  flags.InMenu = true;
  flags.ShowingTitle = true;
  Press(scan::F1);
  EXPECT_FALSE(flags.ShowingHelp);
  flags.ShowingTitle = false;
  Press(scan::F4);
  EXPECT_FALSE(flags.ShowingOptions);
  t.game.timing.GetReadyCount = 3;
  t.clock.Ticks = 5000;
  Press(scan::F1);
  EXPECT_TRUE(flags.ShowingHelp);
  EXPECT_EQ(t.game.timing.GetReadyCount, 0);
  EXPECT_EQ(t.game.timing.SecondBase, 5000u);

  // F1 and F4 in one frame of play open both; the main loop shows help first.
  flags.ShowingHelp = false;
  Playing();
  Poll();  // F1 goes up
  Hold(scan::F1);
  Hold(scan::F4);
  Poll();
  EXPECT_TRUE(flags.ShowingHelp);
  EXPECT_TRUE(flags.ShowingOptions);
}

TEST_F(KeyboardInputTest, EnterRestartsOnlyALevelThatCanNoLongerBeWon) {
  Playing();
  t.Put(2, 0, ObjRock);  // a change a reload would undo
  Press(scan::Enter);
  EXPECT_EQ(t.Cell(2, 0).Type, ObjRock);
  EXPECT_EQ(Pressed(scan::Enter), 1) << "left for whoever reads it later";
  EXPECT_EQ(t.game.player.Shots, 0);

  t.game.settings.DeveloperMode = true;
  Press(scan::Enter);
  EXPECT_EQ(t.game.player.Shots, 1000);
  EXPECT_EQ(t.game.player.Bombs, 1000);

  t.game.flags.Dead = true;
  Press(scan::Enter);
  EXPECT_EQ(t.Cell(2, 0).Type, ObjUnid);
  EXPECT_FALSE(t.game.flags.Dead);
  EXPECT_EQ(Pressed(scan::Enter), 0);

  Playing();
  t.game.level.UnidsNeeded = 1;  // a unid was destroyed
  t.Put(2, 0, ObjRock);
  Press(scan::Enter);
  EXPECT_EQ(t.Cell(2, 0).Type, ObjUnid);
}

TEST_F(KeyboardInputTest, EnterAfterACheckpointRestoresItInsteadOfReloading) {
  Playing();
  // The snapshot holds a rock where the level has its unid; the grid has since lost both.
  t.Put(2, 0, ObjRock);
  t.game.level.CheckpointGrid = t.game.level.Grid;
  t.game.checkpoint.CheckpointSaved = true;
  t.Put(2, 0, ObjEmpty);
  t.game.level.PortalCount = 0;
  Press(scan::Enter);
  EXPECT_EQ(t.Cell(2, 0).Type, ObjRock);
  EXPECT_EQ(Pressed(scan::Enter), 0);
}

TEST_F(KeyboardInputTest, EnterBeforeTheFirstUpdateLeavesAWinnableStartAlone) {
  const auto loadWinnable = [this] {
    t.LoadPicture({"T.uE"});
    t.game.flags.InMenu = false;
  };
  const std::pair<const char*, std::function<void()>> starts[] = {
      {"load", loadWinnable},
      {"checkpoint restore",
       [&] {
         loadWinnable();
         t.game.level.CheckpointGrid = t.game.level.Grid;
         t.game.checkpoint.CheckpointSaved = true;
         // The failed attempt has lost its exit, and its last update counted that.
         t.Put(3, 0, ObjEmpty);
         t.game.level.PortalCount = 0;
         Press(scan::Enter);
         ASSERT_EQ(t.Cell(3, 0).Type, ObjClosedPortal);
       }},
  };
  for (const auto& [start, begin] : starts) {
    begin();
    t.Put(1, 0, ObjRock);  // a change a restart would undo
    Press(scan::Enter);
    EXPECT_EQ(t.Cell(1, 0).Type, ObjRock) << start;
    EXPECT_EQ(Pressed(scan::Enter), 1) << start;
  }
}

TEST_F(KeyboardInputTest, EnterEndsTheNameEntryAndIsLeftToTheMenu) {
  t.game.flags.NameEntry = true;
  Playing();
  t.game.flags.Dead = true;
  t.Put(2, 0, ObjRock);
  Press(scan::Enter);
  EXPECT_EQ(Pressed(scan::Enter), 0);
  EXPECT_EQ(t.Cell(2, 0).Type, ObjRock) << "the name entry is finished, not the level restarted";
  t.game.flags.NameEntry = false;
  t.game.flags.InMenu = true;
  Press(scan::Enter);
  EXPECT_EQ(Pressed(scan::Enter), 1);
  EXPECT_EQ(t.Cell(2, 0).Type, ObjRock);
}

TEST_F(KeyboardInputTest, EscapeSelfDestructsTheUnshieldedThresher) {
  Playing();
  t.game.player.ShieldTime = 10;
  t.game.level.PlayerX = 3.5f;
  t.game.level.PlayerY = 2.5f;
  Press(scan::Escape);
  EXPECT_FALSE(t.game.explosions.ShieldEnabled);
  EXPECT_EQ(t.explosions, (std::vector<CellPoint>{{4, 2}}));
  EXPECT_EQ(Pressed(scan::Escape), 0);
  EXPECT_FALSE(t.game.flags.InMenu);
}

TEST_F(KeyboardInputTest, EscapeWhileDeadReturnsToTheMenuAndEndsAPreview) {
  GameFlags& flags = t.game.flags;
  Playing();
  flags.Dead = true;
  flags.LevelMusic = 1;
  Press(scan::Escape);
  EXPECT_TRUE(flags.InMenu);
  EXPECT_EQ(flags.LevelMusic, 0);
  EXPECT_FALSE(flags.QuitRequested);
  EXPECT_TRUE(t.explosions.empty());

  Playing();
  flags.CommandLine = "previewplay.tmp";
  Press(scan::Escape);
  EXPECT_TRUE(flags.QuitRequested);
  EXPECT_TRUE(flags.InMenu);
  EXPECT_TRUE(t.explosions.empty());

  // Blown up on the level-complete screen: the level is finished all the same.
  Playing();
  flags.Dead = true;
  flags.NameEntry = true;
  Press(scan::Escape);
  EXPECT_FALSE(flags.NameEntry);
}

TEST_F(KeyboardInputTest, EscapeInTheMenuOrOnTheNameEntryExplodesNothing) {
  t.game.flags.InMenu = true;
  Press(scan::Escape);
  EXPECT_EQ(Pressed(scan::Escape), 1) << "the menu reads it";
  EXPECT_FALSE(t.game.explosions.ShieldEnabled);
  Playing();
  t.game.flags.NameEntry = true;
  Press(scan::Escape);
  EXPECT_EQ(Pressed(scan::Escape), 0);
  EXPECT_TRUE(t.explosions.empty());
}

}  // namespace
}  // namespace brolt
