// The main page of the title menu, its options page, and the sliders the options screens share.
#include "game/presentation/menus/main_menu.h"

#include <gtest/gtest.h>

#include <regex>

#include "game/core/level/object_defs.h"
#include "game/presentation/menus/option_sliders.h"
#include "game/presentation/text/screen_colours.h"
#include "support/menu_game.h"

namespace brolt {
namespace {

using testing::MenuGame;
using testing::QuadCall;

class MainMenuTest : public ::testing::Test, public MenuGame {
 protected:
  MainMenuTest() {
    WriteUncompiled("free.lvl", {"one"});
    Choose("free.lvl");
    game.flags.InMenu = true;
  }
  void OpenOptions() {
    Page(MainPage).Selected = 2;
    Frame({scan::Enter});
    ASSERT_TRUE(Page(OptionsPage).Active);
  }
  std::int16_t Selected(int page) { return Page(page).Selected; }
};

TEST_F(MainMenuTest, TheMainPageStopsSilentlyAtItsFirstAndLastItems) {
  Frame({scan::Up});
  EXPECT_EQ(Selected(MainPage), 0);
  EXPECT_TRUE(sounds.empty());
  EXPECT_EQ(Text("play")->size, 37);
  EXPECT_EQ(Text("exit")->colour, Rgb(255, 200, 100));
  for (int i = 0; i < 4; ++i) Frame({scan::Down});
  EXPECT_EQ(Selected(MainPage), 4);
  EXPECT_EQ(sounds, std::vector<int>{MENU_MOVE});
  Frame({scan::Down});
  EXPECT_EQ(Selected(MainPage), 4);
  EXPECT_TRUE(sounds.empty());
}

TEST_F(MainMenuTest, EscapeHighlightsExitAndEnterThenOpensTheCredits) {
  Frame({scan::Escape});
  EXPECT_EQ(Selected(MainPage), 4);
  EXPECT_EQ(sounds, std::vector<int>{MENU_SELECT});
  EXPECT_FALSE(game.flags.ShowingCredits);
  Frame({scan::Enter});
  EXPECT_TRUE(game.flags.ShowingCredits);
  EXPECT_TRUE(Page(MainPage).Active);
  EXPECT_EQ(game.keys.KeyPressed[scan::Enter], 0);
}

TEST_F(MainMenuTest, TheVersionLineNamesTheProgramsVersionAndTheYearAndNoAddress) {
  test.clock.Year = 2031;
  Frame();
  ASSERT_NE(TextAt(450), nullptr);
  EXPECT_TRUE(std::regex_match(TextAt(450)->text, std::regex("Brolt version [0-9]+\\.[0-9]+ .*2031")))
      << TextAt(450)->text;
  ASSERT_NE(TextAt(465), nullptr);
  for (const testing::TextCall& call : drawing.texts) {
    EXPECT_EQ(call.text.find("www"), std::string::npos);
    EXPECT_EQ(call.text.find("://"), std::string::npos);
  }
}

TEST_F(MainMenuTest, VolumesStepByFiveWithinZeroToAHundredAndTheSpeedWithinFiveToNine) {
  OpenOptions();
  game.settings.SoundVolume = 95;
  Frame({scan::Right});
  EXPECT_EQ(game.settings.SoundVolume, 100);
  EXPECT_EQ(sounds, std::vector<int>{MENU_MOVE});
  Frame({scan::Right});
  EXPECT_EQ(game.settings.SoundVolume, 100);
  EXPECT_TRUE(sounds.empty());

  Frame({scan::Down});
  game.settings.MusicVolume = 5;
  Frame({scan::Left});
  EXPECT_EQ(game.settings.MusicVolume, 0);
  Frame({scan::Left});
  EXPECT_EQ(game.settings.MusicVolume, 0);
  EXPECT_TRUE(sounds.empty());
  EXPECT_EQ(game.settings.SoundVolume, 100);

  Frame({scan::Down});
  game.settings.GameSpeed = 8;
  Frame({scan::Right});
  Frame({scan::Right});
  EXPECT_EQ(game.settings.GameSpeed, 9);
  EXPECT_TRUE(sounds.empty());
  for (int i = 0; i < 6; ++i) Frame({scan::Left});
  EXPECT_EQ(game.settings.GameSpeed, 5);
  Frame({scan::Down});
  EXPECT_EQ(Selected(OptionsPage), 2);
}

TEST_F(MainMenuTest, LeavingTheOptionsWithEscapeTakesTheNewSpeedIntoTheObjectSpeeds) {
  game.settings.GameSpeed = 5;
  BuildObjectDefs(game);
  const float slow = game.ObjectDefs[ObjThresher].Speed;
  OpenOptions();
  Page(OptionsPage).Selected = 2;
  Frame({scan::Right});
  EXPECT_EQ(game.ObjectDefs[ObjThresher].Speed, slow);
  Frame({scan::Escape});
  EXPECT_GT(game.ObjectDefs[ObjThresher].Speed, slow);
  EXPECT_TRUE(Page(MainPage).Active);
  EXPECT_FALSE(Page(OptionsPage).Active);
  EXPECT_EQ(Selected(MainPage), 2);
}

std::vector<float> PieceXs(const std::vector<QuadCall>& quads, std::int16_t frame) {
  std::vector<float> xs;
  for (const QuadCall& quad : quads)
    if (quad.frame == frame) xs.push_back(quad.x);
  return xs;
}

TEST_F(MainMenuTest, ASliderRunsTwelvePiecesAndPlacesItsKnobByValue) {
  DrawSlider(game, 320, 140, 20, 0, 100, 35, kWhiteText);
  EXPECT_EQ(PieceXs(drawing.quads, 1), std::vector<float>{200});
  EXPECT_EQ(PieceXs(drawing.quads, 3), std::vector<float>{440});
  const std::vector<float> track = PieceXs(drawing.quads, 2);
  ASSERT_EQ(track.size(), 11u);
  EXPECT_EQ(track.front(), 220);
  EXPECT_EQ(track.back(), 420);
  EXPECT_EQ(PieceXs(drawing.quads, 4), std::vector<float>{290});
  for (const QuadCall& quad : drawing.quads) {
    EXPECT_EQ(quad.row, 7);
    EXPECT_EQ(quad.size, 20);
    EXPECT_EQ(quad.y, 140);
  }

  drawing.Clear();
  DrawSlider(game, 320, 340, 20, 5, 9, 7, kWhiteText);
  EXPECT_EQ(PieceXs(drawing.quads, 4), std::vector<float>{320});

  drawing.Clear();
  DrawSlider(game, 320, 340, 20, 5, 5, 5, kWhiteText);
  EXPECT_EQ(PieceXs(drawing.quads, 4), std::vector<float>{220});
}

}  // namespace
}  // namespace brolt
