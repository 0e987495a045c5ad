#include "game/presentation/screens/options_screen.h"

#include <gtest/gtest.h>

#include <cmath>

#include "game/core/drawing/texture_id.h"
#include "game/presentation/menus/option_sliders.h"
#include "game/presentation/text/screen_colours.h"
#include "screen_fixture.h"
#include "support/drawing_game.h"
#include "support/recording_audio.h"

namespace brolt {
namespace {

// The centre and the sheet column of a drawn slider piece.
struct Piece {
  float x, y;
  int column;
};

class OptionSliderTest : public testing::ScreenFixture {
 protected:
  std::vector<Piece> Slider(std::int32_t minimum, std::int32_t maximum, std::int32_t value, std::int32_t size = 20) {
    drawing.Clear();
    DrawSlider(game, 320, 140, size, minimum, maximum, value, kWhiteText);
    std::vector<Piece> pieces;
    for (const testing::QuadCall& drawn : drawing.quads) pieces.push_back({drawn.x, drawn.y, drawn.frame});
    return pieces;
  }
};

TEST_F(OptionSliderTest, CapsTrackAndKnobSpanTheWidth) {
  const std::vector<Piece> pieces = Slider(0, 100, 35);
  ASSERT_EQ(pieces.size(), 14u);  // two caps, eleven pieces of track and the knob
  EXPECT_EQ(std::make_tuple(pieces[0].x, pieces[0].column), std::make_tuple(200.0f, 1));
  for (int i = 1; i <= 11; ++i) {
    EXPECT_FLOAT_EQ(pieces[static_cast<std::size_t>(i)].x, 200.0f + 20.0f * i);
    EXPECT_EQ(pieces[static_cast<std::size_t>(i)].column, 2);
  }
  EXPECT_EQ(std::make_tuple(pieces[12].x, pieces[12].column), std::make_tuple(440.0f, 3));
  EXPECT_EQ(std::make_tuple(pieces[13].x, pieces[13].y, pieces[13].column), std::make_tuple(290.0f, 140.0f, 4));
  EXPECT_EQ(drawing.quads[13].texture, TexMisc);

  // The game speed: 50 pixels a step from 220 to 420.
  EXPECT_FLOAT_EQ(Slider(5, 9, 5).back().x, 220.0f);
  EXPECT_FLOAT_EQ(Slider(5, 9, 9).back().x, 420.0f);
}

TEST_F(OptionSliderTest, AnEmptyRangePutsTheKnobAtTheStartAndNoSizeDrawsNoTrack) {
  EXPECT_FLOAT_EQ(Slider(7, 7, 7).back().x, 220.0f);
  EXPECT_EQ(Slider(0, 100, 50, 0).size(), 3u);  // no size: the caps and the knob, and no track

}

TEST_F(OptionSliderTest, TheSpeedLabelWobblesMoreTheSlowerItIs) {
  struct Case {
    std::int32_t speed;
    const char* label;
    std::int16_t wobble;
  };
  for (const Case& c : {Case{5, "drank too much", 8}, Case{6, "feeling better", 6}, Case{7, "average reflex", 4},
                        Case{8, "too much coffee", 2}, Case{9, "insanity", 0}}) {
    game.settings.GameSpeed = c.speed;
    drawing.Clear();
    DrawGameSpeedLabel(game);
    ASSERT_EQ(drawing.texts.size(), 1u);
    const testing::TextCall& label = drawing.texts[0];
    EXPECT_EQ(std::make_tuple(label.text, label.y, label.size, label.wave, label.sizeWave, label.colour),
              std::make_tuple(std::string(c.label), 370, 15, c.wobble, c.wobble, kOrangeText));
  }
  game.settings.GameSpeed = 4;
  drawing.Clear();
  DrawGameSpeedLabel(game);
  EXPECT_EQ(Texts(), (std::vector<std::string>{""}));
}

class OptionsScreenTest : public testing::ScreenFixture {
 protected:
  OptionsScreenTest() {
    // The options page as the title menu sets it up.
    auto& items = game.menu.MenuPages[OptionsPage].Items;
    items[0] = {"Sound Volume", 0, 100};
    items[1] = {"Music Volume", 0, 200};
    items[2] = {"Game Speed", 0, 300};
    game.flags.ShowingOptions = true;
    game.settings.GameSpeed = 7;
  }

  std::int16_t& Selected() { return game.menu.MenuPages[OptionsPage].Selected; }

  void Frame() {
    drawing.Clear();
    calls.clear();
    DrawOptionsScreen(game);
    ReleaseKeys();
  }
  void FrameWith(int key) {
    Press(key);
    Frame();
  }
};

TEST_F(OptionsScreenTest, VolumesMoveInStepsOfFiveWithinTheirRange) {
  game.settings.SoundVolume = 95;
  FrameWith(scan::Right);
  EXPECT_EQ(game.settings.SoundVolume, 100);
  EXPECT_TRUE(Moved());
  FrameWith(scan::Right);
  EXPECT_EQ(game.settings.SoundVolume, 100);
  EXPECT_FALSE(Moved());

  game.settings.SoundVolume = 3;  // off the steps, as an edited setting may be
  FrameWith(scan::Left);
  EXPECT_EQ(game.settings.SoundVolume, 0);
  EXPECT_TRUE(Moved());
  FrameWith(scan::Left);
  EXPECT_EQ(game.settings.SoundVolume, 0);
  EXPECT_FALSE(Moved());
  EXPECT_EQ(game.settings.MusicVolume, 0);
}

TEST_F(OptionsScreenTest, TheMusicIsHeardAtItsNewLevelAtOnce) {
  auto buffer = std::make_unique<testing::RecordingSoundBuffer>(testing::WaveFormat{});
  testing::RecordingSoundBuffer& menuMusic = *buffer;
  game.audio.MenuMusicBuffer = std::move(buffer);
  game.settings.MusicVolume = 50;
  Selected() = 1;
  FrameWith(scan::Left);
  EXPECT_EQ(game.settings.MusicVolume, 45);
  EXPECT_EQ(menuMusic.Volume(), 45 * 50 - 5000);
}

TEST_F(OptionsScreenTest, TheGameSpeedShowsButDoesNotChangeInPlay) {
  FrameWith(scan::Down);
  FrameWith(scan::Down);
  EXPECT_EQ(Selected(), 2);
  FrameWith(scan::Down);  // no caption after the game speed
  EXPECT_EQ(Selected(), 2);
  ASSERT_TRUE(Moved());
  for (int key : {scan::Right, scan::Left}) {
    FrameWith(key);
    EXPECT_EQ(game.settings.GameSpeed, 7);
    EXPECT_FALSE(Moved());
  }
  // Chosen, its caption grows but keeps the colour and stillness of the others.
  const testing::TextCall& speed = *Drawn("Game Speed");
  EXPECT_EQ(std::make_tuple(speed.y, speed.size, speed.sizeWave, speed.colour),
            std::make_tuple(300, 37, 0, kOrangeText));
  EXPECT_EQ(Drawn("Sound Volume")->size, 35);
  EXPECT_TRUE(Shows("average reflex"));
  FrameWith(scan::Up);
  EXPECT_EQ(Selected(), 1);
}

TEST_F(OptionsScreenTest, TheChosenLineIsWhiteAndWaves) {
  Frame();
  EXPECT_EQ(calls, (testing::CallLog{"DrawMenuBackground"}));
  EXPECT_TRUE(Shows("paused"));
  const testing::TextCall& sound = *Drawn("Sound Volume");
  EXPECT_EQ(std::make_tuple(sound.y, sound.size, sound.sizeWave, sound.colour),
            std::make_tuple(100, 37, 5, kWhiteText));
  EXPECT_EQ(Drawn("Music Volume")->colour, kOrangeText);
  ASSERT_EQ(drawing.quads.size(), 3u * 14u);
  EXPECT_EQ(drawing.quads.front().colour, kWhiteText);  // the sound slider
  EXPECT_EQ(drawing.quads[14].colour, kOrangeText);
  EXPECT_TRUE(Shows("Use .LEFT. and .RIGHT. to change values"));
  FrameWith(scan::Up);
  EXPECT_EQ(Selected(), 0);
  EXPECT_FALSE(Moved());
}

TEST_F(OptionsScreenTest, EscapeRebuildsTheSpeedsAndReturnsToPlay) {
  game.settings.GameSpeed = 9;
  const float before = game.ObjectDefs[ObjThresher].Speed;
  game.timing.GetReadyCount = 1;
  FrameWith(scan::Escape);
  EXPECT_FALSE(game.flags.ShowingOptions);
  EXPECT_GT(game.ObjectDefs[ObjThresher].Speed, before);
  EXPECT_EQ(game.timing.GetReadyCount, 0);
}

}  // namespace
}  // namespace brolt
