// The title picture and its fades, the animated backdrop and the credits.
#include <gtest/gtest.h>

#include "game/core/drawing/texture_id.h"
#include "game/presentation/menus/menu_backdrop.h"
#include "game/presentation/menus/title_picture.h"
#include "game/presentation/screens/credits_screen.h"
#include "game/presentation/text/screen_colours.h"
#include "support/audio_game.h"
#include "support/recording_drawing.h"
#include "support/recording_render_device.h"

namespace brolt {
namespace {

using testing::Recorded;

class TitleScreensTest : public ::testing::Test, public testing::AudioGame {
 protected:
  TitleScreensTest() {
    game.services.drawing = &drawing;
    test.SetFrameRate(60);
  }
  std::int16_t Fade() const { return game.render.TitleFade; }
  std::vector<RecordedQuad> Drawn(BlendMode blend) const {
    std::vector<RecordedQuad> drawn;
    for (const RecordedQuad& quad : screen.quads)
      if (quad.blend == blend) drawn.push_back(quad);
    return drawn;
  }

  testing::RecordingDrawing drawing;
  RecordingRenderDevice screen;
};

TEST_F(TitleScreensTest, TheTitlePictureReachesGrey200InAHundredFramesAndStaysThere) {
  for (int frame = 1; frame <= 99; ++frame) DrawFadeOverlay(game, screen, 200, 0);
  EXPECT_EQ(Fade(), 198);
  screen.quads.clear();
  DrawFadeOverlay(game, screen, 200, 0);
  EXPECT_EQ(Fade(), 200);
  DrawFadeOverlay(game, screen, 200, 0);
  EXPECT_EQ(Fade(), 200);

  ASSERT_EQ(screen.quads.size(), 8u);
  const int textures[4] = {TexCornerTL, TexCornerTR, TexCornerBL, TexCornerBR};
  for (std::size_t i = 0; i < 4; ++i) {
    const RecordedQuad& quad = screen.quads[i];
    EXPECT_FALSE(quad.world);
    EXPECT_EQ(quad.blend, BlendMode::Alpha);
    EXPECT_EQ(quad.texture, textures[i]);
    EXPECT_EQ(quad.quad[0].colour, Rgb(200, 200, 200));
  }
  EXPECT_EQ(screen.quads[3].quad[3].x, 640);
  EXPECT_EQ(screen.quads[3].quad[3].y, 240);
}

TEST_F(TitleScreensTest, TheTitleIsWholeAtOnceInDeveloperModeAndTheEndScreenShowsItDimmed) {
  game.settings.DeveloperMode = true;
  DrawFadeOverlay(game, screen, 200, 0);
  EXPECT_EQ(Fade(), 200);

  game.settings.DeveloperMode = false;
  game.render.TitleFade = 0;
  screen.quads.clear();
  DrawFadeOverlay(game, screen, 100, 100);
  EXPECT_EQ(Fade(), 2);
  EXPECT_EQ(screen.quads[0].quad[0].colour, Rgb(100, 100, 100));
  for (int frame = 0; frame < 60; ++frame) DrawFadeOverlay(game, screen, 100, 100);
  EXPECT_EQ(Fade(), 100);
}

TEST_F(TitleScreensTest, TheMenuFadesThePictureOutToExactlyNothing) {
  game.render.TitleFade = 200;
  for (int frame = 0; frame < 19; ++frame) DrawMenuBackground(game, screen);
  EXPECT_EQ(Fade(), 10);
  screen.quads.clear();
  DrawMenuBackground(game, screen);
  EXPECT_EQ(Fade(), 0);
  EXPECT_EQ(Drawn(BlendMode::Exclusion).size(), 4u);
  screen.quads.clear();
  DrawMenuBackground(game, screen);
  EXPECT_EQ(Fade(), 0);
  EXPECT_TRUE(Drawn(BlendMode::Exclusion).empty());

  game.render.TitleFade = 100;
  for (int frame = 0; frame < 10; ++frame) DrawMenuBackground(game, screen);
  EXPECT_EQ(Fade(), 0);
}

TEST_F(TitleScreensTest, TheBackdropWaitsForAFrameRateAndThenTurnsADegreeASecond) {
  game.startUp.BackdropAngles = {10.0f, 20.0f, 30.0f};
  game.startUp.MenuColour = 50 | (60 << 8) | (200 << 16);  // a blue tone
  game.render.TitleFade = 0;
  test.SetFrameRate(0);
  DrawMenuBackground(game, screen);
  DrawCreditsBackground(game, screen);
  EXPECT_TRUE(screen.quads.empty());
  EXPECT_EQ(game.startUp.BackdropAngles, (std::array<float, 3>{10.0f, 20.0f, 30.0f}));

  test.SetFrameRate(50);
  for (int frame = 0; frame < 50; ++frame) DrawCreditsBackground(game, screen);
  EXPECT_NEAR(game.startUp.BackdropAngles[0], 9.0f, 1e-3);
  EXPECT_NEAR(game.startUp.BackdropAngles[1], 21.0f, 1e-3);
  EXPECT_NEAR(game.startUp.BackdropAngles[2], 29.0f, 1e-3);
  EXPECT_NEAR(game.menu.BackdropWobble, 10.0f, 1e-3);
  ASSERT_EQ(screen.quads.size(), 300u);
  for (const RecordedQuad& quad : screen.quads) {
    EXPECT_TRUE(quad.world);
    EXPECT_EQ(quad.blend, BlendMode::Additive);
    EXPECT_EQ(quad.texture, TexBack);
    EXPECT_EQ(quad.quad[0].colour, Rgb(50, 60, 200));
  }
}

TEST_F(TitleScreensTest, TheCreditsLowerTheMusicByTenDecibelsASecond) {
  game.audio.MenuMusicBuffer = device.LoadSound("menu.mus");
  game.audio.MediaTrack = device.LoadMusic("track.mp3");
  game.audio.MediaTrack->SetVolume(-2000);
  test.SetFrameRate(50);
  for (int frame = 0; frame < 50; ++frame) ShowCredits(game, screen);
  EXPECT_EQ(Recorded(game.audio.MenuMusicBuffer).volume, -1000);
  EXPECT_EQ(Recorded(game.audio.MediaTrack).volume, -3000);

  // The mp3 track stops at the floor of the game's volumes; the menu music goes on to silence.
  game.audio.MediaTrack->SetVolume(-5000);
  game.audio.MenuMusicBuffer->SetVolume(-9990);
  ShowCredits(game, screen);
  EXPECT_EQ(Recorded(game.audio.MediaTrack).volume, -5000);
  EXPECT_EQ(Recorded(game.audio.MenuMusicBuffer).volume, kSilentVolume);

  test.SetFrameRate(0);
  game.audio.MenuMusicBuffer->SetVolume(-100);
  ShowCredits(game, screen);
  EXPECT_EQ(Recorded(game.audio.MenuMusicBuffer).volume, -100);
}

TEST_F(TitleScreensTest, TheCreditsNameTheTeamWaitForAKeyAndEndAtOnceInDeveloperMode) {
  ShowCredits(game, screen);
  EXPECT_TRUE(game.flags.ExitOnKey);
  EXPECT_FALSE(game.flags.QuitRequested);
  std::vector<std::string> roles;
  std::vector<int> nameRows;
  for (const testing::TextCall& call : drawing.texts) {
    if (call.colour == Rgb(155, 155, 155)) roles.push_back(call.text);
    if (call.colour == kWhiteText) {
      nameRows.push_back(call.y);
      EXPECT_EQ(call.size, 20) << call.text;
      EXPECT_FALSE(call.text.empty()) << call.y;
    }
    EXPECT_EQ(call.text.find("www"), std::string::npos);
    EXPECT_EQ(call.text.find("://"), std::string::npos);
    EXPECT_EQ(call.text.find('@'), std::string::npos);
  }
  EXPECT_EQ(roles, (std::vector<std::string>{"program", "Music/sfx", "graphics", "level editor", "level design"}));
  // One name under each role, and a second level designer.
  EXPECT_EQ(nameRows, (std::vector<int>{120, 180, 255, 315, 375, 395}));
  EXPECT_EQ(drawing.texts.back().text, "press any key to exit");
  EXPECT_EQ(drawing.texts.back().y, 455);

  game.settings.DeveloperMode = true;
  ShowCredits(game, screen);
  EXPECT_TRUE(game.flags.QuitRequested);
}

}  // namespace
}  // namespace brolt
