#include "game/presentation/level_drawing/game_hud.h"

#include <gtest/gtest.h>

#include "common/level_record.h"
#include "game/core/drawing/texture_id.h"
#include "game/core/level/level_loading.h"
#include "game/presentation/screens/screen_fixture.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {
namespace {

class GameHudTest : public testing::ScreenFixture {
 protected:
  GameHudTest() {
    // A level under way that can still be won, without a time limit.
    game.timing.GetReadyCount = game.timing.GetReadyTarget;
    game.timing.TimeLeft = -1;
    game.timing.ClockText = "01:02.03";
    game.level.UnidsNeeded = 3;
    game.level.UnidCount = 5;
    game.level.PortalCount = 1;
  }

  void Frame() {
    drawing.Clear();
    DrawGameHud(game);
  }

  static constexpr const char* kRestartLines[] = {"this level cannot be completed now", "press enter to restart"};
};

TEST_F(GameHudTest, WithoutATimeLimitTheUnidsAndTheClockShow) {
  game.level.ColourTable[9] = 10;
  game.level.ColourTable[10] = 20;
  game.level.ColourTable[11] = 30;
  Frame();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"3", "01:02.03"}));
  const testing::TextCall& needed = *Drawn("3");
  EXPECT_EQ(std::make_tuple(needed.x, needed.y, needed.size, needed.sizeWave, needed.colour),
            std::make_tuple(75, 440, 20, 0, kWhiteText));
  EXPECT_EQ(std::make_tuple(Drawn("01:02.03")->x, Drawn("01:02.03")->y), std::make_tuple(500, 10));
  // The unid icon in the level's third colour, given blue first for the quad.
  ASSERT_EQ(drawing.quads.size(), 1u);
  const testing::QuadCall& icon = drawing.quads[0];
  EXPECT_EQ(std::make_tuple(icon.x, icon.y, icon.size, icon.texture, icon.colour),
            std::make_tuple(40.0f, 440.0f, 30.0f, std::int16_t{TexGems}, Rgb(30, 20, 10)));

  game.level.UnidsNeeded = 0;
  Frame();
  EXPECT_EQ(Drawn("0")->colour, Rgb(50, 255, 50));
  EXPECT_EQ(Drawn("0")->sizeWave, 5);
  EXPECT_FALSE(Shows("Exit portals are now open"));
  EXPECT_FALSE(Shows("Time Limit"));
}

TEST_F(GameHudTest, GetReadyShowsUntilTheLevelRunsButNotOverTheDead) {
  game.timing.GetReadyCount = 0;
  Frame();
  EXPECT_TRUE(Shows("Get Ready"));
  game.flags.Dead = true;
  Frame();
  EXPECT_FALSE(Shows("Get Ready"));
}

TEST_F(GameHudTest, ATimeLimitShowsTheSecondsAndItsLabelGlidingDownOnce) {
  game.timing.TimeLeft = 120;
  game.timing.FrameRateNow = 40;
  game.level.UnidsNeeded = 0;
  Frame();
  EXPECT_EQ(Drawn("120")->x, 570);
  EXPECT_EQ(Drawn("120")->size, 20);
  EXPECT_TRUE(Shows("Exit portals are now open"));
  EXPECT_FALSE(Shows("HURRY"));
  // 100 / 40 = 2.5, to the even 2 per frame.
  EXPECT_EQ(Drawn("Time Limit")->y, 2);
  for (int i = 0; i < 300; ++i) Frame();
  EXPECT_EQ(Drawn("Time Limit")->y, 410);
  EXPECT_EQ(Drawn("Time Limit")->x, 520);

  // The label does not glide again for the next level.
  game.timing.TimeLeft = 60;
  Frame();
  EXPECT_EQ(Drawn("Time Limit")->y, 410);

  // The level-complete screen covers the time read-outs.
  game.flags.NameEntry = true;
  Frame();
  EXPECT_FALSE(Shows("60"));
  EXPECT_FALSE(Shows("Time Limit"));
}

TEST_F(GameHudTest, TheLastSecondsGrowAndHurry) {
  game.overlay.TimeLimitLabelY = 410;
  struct Case {
    std::int16_t timeLeft, size, hurryWave;
  };
  for (const Case& c : {Case{11, 20, -1}, Case{10, 20, 0}, Case{5, 35, 5}, Case{1, 47, 9}}) {
    game.timing.TimeLeft = c.timeLeft;
    Frame();
    const std::string seconds = std::to_string(c.timeLeft);
    ASSERT_TRUE(Shows(seconds)) << seconds;
    EXPECT_EQ(Drawn(seconds)->size, c.size) << seconds;
    if (c.hurryWave < 0) {
      EXPECT_FALSE(Shows("HURRY")) << seconds;
    } else {
      ASSERT_TRUE(Shows("HURRY")) << seconds;
      EXPECT_EQ(Drawn("HURRY")->wave, c.hurryWave) << seconds;
      EXPECT_EQ(std::make_tuple(Drawn("HURRY")->x, Drawn("HURRY")->y), std::make_tuple(525, 390));
    }
  }
}

TEST_F(GameHudTest, ATimeBonusSlidesRightAndVanishes) {
  game.timing.TimeLeft = 50;
  game.timing.FrameRateNow = 40;
  game.player.TimeBonusAmount = 7;
  game.player.TimeBonusTimer = 10.0f;
  Frame();
  EXPECT_EQ(Drawn("+7")->x, 505);
  Frame();
  EXPECT_EQ(Drawn("+7")->x, 506);
  for (int i = 0; i < 19; ++i) Frame();
  EXPECT_FALSE(Shows("+7"));
}

TEST_F(GameHudTest, AfterTheTimeRunsOutTheDeathAndTheRestartShow) {
  game.timing.TimeLeft = -2;
  game.flags.Dead = true;
  Frame();
  EXPECT_EQ(Drawn("Time is up")->y, 200);
  EXPECT_TRUE(Shows("haha, you died"));
  for (const char* line : kRestartLines) EXPECT_TRUE(Shows(line)) << line;
}

TEST_F(GameHudTest, TheFirstFailureReasonStaysUntilTheLevelIsLoadedAgain) {
  LevelRecord record = testing::PlainLevel();
  testing::PlaceTiles(record, {{5, 5, ObjThresher}, {9, 5, ObjExitPortal}});
  SelectCollection("one.lvl", {EncodeLevelRecord(record)});
  game.level.PortalCount = 0;
  game.level.UnidCount = 2;
  Frame();
  EXPECT_EQ(game.flags.FailReason, 1);
  EXPECT_EQ(Drawn("there are no exit portals left")->y, 420);
  EXPECT_EQ(Drawn("3")->colour, Rgb(50, 50, 255));
  for (const char* line : kRestartLines) EXPECT_TRUE(Shows(line)) << line;

  // The unids fall short as well: the portals stay the reason.
  game.level.PortalCount = 1;
  Frame();
  EXPECT_TRUE(Shows("there are no exit portals left"));
  EXPECT_FALSE(Shows("some of the unids got destroyed"));

  game.flags.Dead = true;
  Frame();
  EXPECT_EQ(game.flags.FailReason, -1);
  EXPECT_TRUE(Shows("haha, you died"));

  LoadLevel(game, 1);
  game.timing.GetReadyCount = game.timing.GetReadyTarget;
  game.level.UnidsNeeded = 3;
  game.level.UnidCount = 2;
  game.level.PortalCount = 1;
  Frame();
  EXPECT_EQ(game.flags.FailReason, 2);
  EXPECT_TRUE(Shows("some of the unids got destroyed"));
}

TEST_F(GameHudTest, AWinnableLevelShowsNoFailureLines) {
  struct Case {
    std::int16_t needed, left;
    std::uint32_t colour;
  };
  // Spare unids, exactly as many as needed, and none needed with none left.
  for (const Case& c : {Case{3, 5, kWhiteText}, Case{4, 4, kWhiteText}, Case{0, 0, Rgb(50, 255, 50)}}) {
    game.flags.FailReason = 0;
    game.level.UnidsNeeded = c.needed;
    game.level.UnidCount = c.left;
    Frame();
    const std::string needed = std::to_string(c.needed);
    ASSERT_TRUE(Shows(needed)) << needed;
    EXPECT_EQ(Drawn(needed)->colour, c.colour) << needed;
    for (const char* line : kRestartLines) EXPECT_FALSE(Shows(line)) << needed << ": " << line;
    EXPECT_FALSE(Shows("some of the unids got destroyed")) << needed;
    EXPECT_EQ(game.flags.FailReason, 0) << needed;
  }
}

TEST_F(GameHudTest, HeldPowerUpsShowWithTheirCountsAndAnimatedIcons) {
  game.player.FreezeTime = 4;
  game.player.Bombs = 12;
  game.timing.Tick15 = 1;
  Frame();
  ASSERT_EQ(drawing.quads.size(), 3u);  // the unid, the freeze and the bombs
  const testing::QuadCall& freeze = drawing.quads[1];
  const testing::QuadCall& bombs = drawing.quads[2];
  EXPECT_EQ(std::make_tuple(freeze.x, freeze.y, freeze.frame, freeze.row, freeze.size, freeze.texture),
            std::make_tuple(40.0f, 10.0f, std::int16_t{1}, std::int16_t{2}, 15.0f, std::int16_t{TexPowerups}));
  EXPECT_EQ(std::make_tuple(bombs.x, bombs.row), std::make_tuple(220.0f, std::int16_t{4}));
  EXPECT_EQ(std::make_tuple(Drawn("4")->x, Drawn("12")->x), std::make_tuple(55, 235));

  game.overlay.HudIconFrame = 8;
  game.timing.Tick15 = 0;
  Frame();
  EXPECT_EQ(drawing.quads[1].frame, 1);

  // Over the level-complete screen only the icons' frame goes on.
  game.flags.NameEntry = true;
  Frame();
  EXPECT_TRUE(drawing.quads.empty());
  EXPECT_EQ(game.overlay.HudIconFrame, 2);
}

TEST_F(GameHudTest, TheSavedNoticeCountsItsFramesDown) {
  game.checkpoint.SavedNoticeFrames = 2;
  Frame();
  EXPECT_EQ(Drawn("saved")->y, 280);
  Frame();
  EXPECT_TRUE(Shows("saved"));
  Frame();
  EXPECT_FALSE(Shows("saved"));
  EXPECT_EQ(game.checkpoint.SavedNoticeFrames, 0);
}

}  // namespace
}  // namespace brolt
