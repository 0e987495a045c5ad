#include "game/presentation/screens/credits_screen.h"

#include "common/numeric.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/state/game.h"
#include "game/presentation/menus/menu_backdrop.h"
#include "game/presentation/menus/project_lines.h"
#include "game/presentation/sound/option_volume.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {

namespace {

struct CreditRow {
  std::int16_t y;
  const char* text;
  std::int16_t size;
  std::uint32_t colour;
};

constexpr std::uint32_t kRoleColour = Rgb(155, 155, 155);

constexpr CreditRow Role(std::int16_t y, const char* text) { return {y, text, 15, kRoleColour}; }
constexpr CreditRow Name(std::int16_t y, const char* text) { return {y, text, 20, kWhiteText}; }
constexpr CreditRow Makers(std::int16_t y) { return Name(y, kMakers); }

constexpr CreditRow kCredits[] = {
    {30, kProjectLine, 15, Rgb(195, 195, 195)},
    Role(100, "program"),
    Makers(120),
    Role(160, "Music/sfx"),
    Makers(180),
    {200, kProjectLine, 10, Rgb(200, 200, 200)},
    Role(235, "graphics"),
    Makers(255),
    Role(295, "level editor"),
    Makers(315),
    Role(355, "level design"),
    Makers(375),
    Name(395, kGuestDesigners),
};

void DrawCentred(Game& game, const char* text, std::int16_t y, std::int16_t size, std::int16_t sizeWave,
                 std::uint32_t colour) {
  std::int16_t x = 0;
  game.services.drawing->DrawText(text, x, y, size, 0, 0, sizeWave, colour);
}

}  // namespace

void FadeOutCreditsMusic(Game& game) {
  const int rate = game.timing.FrameRateNow;
  if (rate <= 0) return;
  const int step = RoundToInt32(5000.0 / (rate * 5.0));
  AudioState& audio = game.audio;
  if (audio.MediaTrack && audio.MediaTrack->Volume() > kFloorVolume)
    audio.MediaTrack->SetVolume(audio.MediaTrack->Volume() - step);
  if (audio.MenuMusicBuffer && audio.MenuMusicBuffer->Volume() > kSilentVolume)
    audio.MenuMusicBuffer->SetVolume(audio.MenuMusicBuffer->Volume() - step);
}

void ShowCredits(Game& game, RenderDevice& device) {
  DrawCreditsBackground(game, device);
  for (const CreditRow& row : kCredits) DrawCentred(game, row.text, row.y, row.size, 0, row.colour);
  FadeOutCreditsMusic(game);
  DrawCentred(game, "press any key to exit", 455, 15, 2, Rgb(25, 255, 25));
  game.flags.ExitOnKey = true;
  if (game.settings.DeveloperMode) game.flags.QuitRequested = true;
}

}  // namespace brolt
