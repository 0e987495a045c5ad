#include "game/main_loop/main_loop.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/recording_drawing.h"
#include "support/recording_services.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::CallLog;

class RecordingHost : public FrameHost {
 public:
  explicit RecordingHost(CallLog& log) : log_(log) {}
  void ProcessWindowMessages() override { log_.push_back("ProcessWindowMessages"); }
  void BeginScene() override { log_.push_back("BeginScene"); }
  void EndScene() override { log_.push_back("EndScene"); }

 private:
  CallLog& log_;
};

class MainLoopTest : public ::testing::Test {
 protected:
  MainLoopTest() {
    t.game.services.screens = &screens;
    t.game.services.music = &music;
    t.game.services.drawing = &drawing;
  }
  // The calls of one frame, without the ones every frame makes.
  CallLog FrameScreens() {
    log.clear();
    RunFrame(t.game, host);
    CallLog drawn;
    for (const std::string& call : log)
      if (call != "ProcessWindowMessages" && call != "PollKeyboard" && call != "BeginScene" && call != "EndScene" &&
          call != "UpdateMusic" && call != "PlayQueuedSounds" && call.rfind("FadeIn", 0) != 0)
        drawn.push_back(call);
    return drawn;
  }

  testing::TestGame t;
  CallLog log;
  testing::RecordingScreens screens{log};
  testing::RecordingMusic music{log};
  testing::RecordingDrawing drawing;
  RecordingHost host{log};
};

TEST_F(MainLoopTest, AFrameRunsItsStepsInOrder) {
  StartMainLoop(t.game);
  log.clear();
  EXPECT_TRUE(RunFrame(t.game, host));
  EXPECT_EQ(log, (CallLog{"ProcessWindowMessages", "PollKeyboard", "BeginScene", "DrawFadeOverlay(200,0)",
                          "DrawCreditsBackground", "UpdateMusic", "EndScene", "FadeInMenuMusic", "PlayQueuedSounds"}));
}

TEST_F(MainLoopTest, TheFirstTrueFlagChoosesTheScreen) {
  StartMainLoop(t.game);
  GameFlags& flags = t.game.flags;
  EXPECT_EQ(FrameScreens(), (CallLog{"DrawFadeOverlay(200,0)", "DrawCreditsBackground"}));
  flags.ShowingTitle = false;
  EXPECT_EQ(FrameScreens(), (CallLog{"DrawMenuBackground", "RunMainMenu"}));
  flags.GameEnd = true;
  EXPECT_EQ(FrameScreens(), (CallLog{"DrawCongratsScreen"}));
  flags.ShowingOptions = true;
  EXPECT_EQ(FrameScreens(), (CallLog{"DrawOptionsScreen"}));
  flags.ShowingHelp = true;
  EXPECT_EQ(FrameScreens(), (CallLog{"DrawHelpScreen"}));
  flags.ShowingCredits = true;
  EXPECT_EQ(FrameScreens(), (CallLog{"ShowCredits"}));
  flags = GameFlags{};
  EXPECT_EQ(FrameScreens(), (CallLog{"RenderLevel"}));
  flags.NameEntry = true;
  EXPECT_EQ(FrameScreens(), (CallLog{"RenderLevel", "DrawLevelCompleteScreen"}));
}

TEST_F(MainLoopTest, TheFailureMessageIsDrawnWhileDeadInPlayUnlessTimedOut) {
  GameFlags& flags = t.game.flags;
  flags.Dead = true;
  EXPECT_EQ(FrameScreens(), (CallLog{"RenderLevel", "DrawFailureMessage"}));
  t.game.timing.TimeLeft = -2;
  EXPECT_EQ(FrameScreens(), (CallLog{"RenderLevel"}));
  t.game.timing.TimeLeft = -1;
  flags.ShowingHelp = true;
  EXPECT_EQ(FrameScreens(), (CallLog{"DrawHelpScreen"}));
}

TEST_F(MainLoopTest, HelpAndOptionsPausePlay) {
  t.LoadPicture({"T.r", "..."});
  t.game.timing.GetReadyCount = 1;
  t.game.flags.ShowingOptions = true;
  const LevelCell before = t.game.level.Grid(2, 1);
  for (int i = 0; i < 30; ++i) RunFrame(t.game, host);
  EXPECT_EQ(t.game.level.Grid(2, 1), before);
}

TEST_F(MainLoopTest, TheClockTextIsRebuiltEveryFrame) {
  t.game.timing.LevelMinutes = 1;
  t.game.timing.LevelSeconds = 5;
  t.game.timing.LevelMs = 523;
  t.game.flags.InMenu = true;
  RunFrame(t.game, host);
  EXPECT_EQ(t.game.timing.ClockText, "01:05.52");
}

TEST_F(MainLoopTest, TheLevelMusicFadesInWhileItIsChosen) {
  t.game.flags.InMenu = true;
  t.game.flags.LevelMusic = 1;
  RunFrame(t.game, host);
  EXPECT_NE(std::find(log.begin(), log.end(), "FadeInGameMusic"), log.end());
  EXPECT_EQ(std::find(log.begin(), log.end(), "FadeInMenuMusic"), log.end());
}

TEST_F(MainLoopTest, FrameRatesShowInPlayAndAllFourInDeveloperMode) {
  t.game.startUp.ShowFps = true;
  t.game.flags.InMenu = true;
  RunFrame(t.game, host);
  EXPECT_TRUE(drawing.texts.empty());
  t.game.flags.InMenu = false;
  RunFrame(t.game, host);
  ASSERT_EQ(drawing.texts.size(), 1u);
  EXPECT_EQ(drawing.texts[0].text.rfind("FPS: ", 0), 0u);
  drawing.Clear();
  t.game.settings.DeveloperMode = true;
  RunFrame(t.game, host);
  ASSERT_EQ(drawing.texts.size(), 5u);
  EXPECT_EQ(drawing.texts[4].y, 80);
}

TEST_F(MainLoopTest, QuittingEndsTheLoopAfterTheFrame) {
  t.game.flags.InMenu = true;
  t.game.flags.QuitRequested = true;
  EXPECT_FALSE(RunFrame(t.game, host));
  EXPECT_EQ(log.back(), "PlayQueuedSounds");
}

TEST_F(MainLoopTest, APreviewSkipsTheMenusAndStartsLevelOneWithMusic) {
  LevelRecord level = testing::PlainLevel();
  testing::PlaceTiles(level, {{10, 10, 1}});
  t.WriteCollection({EncodePreviewRecord(level), EncodePreviewMusicRecord(false)}, "previewplay.tmp");
  t.game.flags.CommandLine = "previewplay.tmp";
  StartMainLoop(t.game);
  EXPECT_FALSE(t.game.flags.InMenu);
  EXPECT_EQ(t.game.flags.LevelMusic, 1);
  EXPECT_EQ(t.game.level.Grid(10, 10).Type, ObjThresher);
  EXPECT_EQ(log, (CallLog{"InitMenuItems", "AdvancePlaylist", "PlayNextTrack", "StartMusicTrack"}));
}

TEST_F(MainLoopTest, APreviewRunsNoRulesUntilTheFrameRateHasBeenMeasured) {
  LevelRecord level = testing::PlainLevel();
  testing::PlaceTiles(level, {{10, 10, 1}, {12, 10, 31}});  // a force floor, whose picture moves every update
  t.WriteCollection({EncodePreviewRecord(level), EncodePreviewMusicRecord(true)}, "previewplay.tmp");
  t.game.flags.CommandLine = "previewplay.tmp";
  StartMainLoop(t.game);
  std::vector<int> pictures;
  for (int frame = 0; frame < 4; ++frame) {
    RunFrame(t.game, host);
    pictures.push_back(t.game.level.FloorGrid(12, 10).Frame);
    t.clock.Counter += 16000;  // 16 ms a frame
  }
  // The first interval ends in the first frame, and the second frame measures the first 16 ms.
  EXPECT_EQ(pictures, (std::vector<int>{1, 1, 2, 3}));
  EXPECT_EQ(t.game.timing.FramesPerSecond, 62);
}

TEST_F(MainLoopTest, ASilentPreviewStartsNoMusic) {
  LevelRecord level = testing::PlainLevel();
  t.WriteCollection({EncodePreviewRecord(level), EncodePreviewMusicRecord(true)}, "previewplay.tmp");
  t.game.flags.CommandLine = "previewplay.tmp";
  StartMainLoop(t.game);
  EXPECT_EQ(log, (CallLog{"InitMenuItems"}));
  EXPECT_EQ(t.game.flags.LevelMusic, 1);
}

}  // namespace
}  // namespace brolt
