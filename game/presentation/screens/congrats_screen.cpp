#include "game/presentation/screens/congrats_screen.h"

#include <string>

#include "game/core/drawing/markup_text.h"
#include "game/core/files/level_collection.h"
#include "game/core/files/settings_store.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/state/frame_timing.h"
#include "game/core/state/game.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {

namespace {

// The title picture dimmed to this grey.
constexpr std::int16_t kDimmedTitle = 100;

// The "congrats" settings row, read once per showing of the screen rather than every frame.
const std::string& CongratsText(Game& game) {
  std::optional<std::string>& text = game.overlay.CongratsText;
  if (!text) text = ReadSettingText(game, "congrats").value_or("");
  return *text;
}

void Thanks(Game& game, const std::string& text, std::int16_t y, std::int16_t size, std::int16_t wave,
            std::int16_t sizeWave) {
  std::int16_t x = 0;
  game.services.drawing->DrawText(text, x, y, size, 0, wave, sizeWave, kPaleYellowText);
}

}  // namespace

void DrawCongratsScreen(Game& game) {
  const DefinitionsState& help = game.definitions;
  game.services.screens->DrawFadeOverlay(kDimmedTitle, kDimmedTitle);
  const std::string& congrats = CongratsText(game);
  const std::string endText = ReadCollectionEndText(game);
  if (!endText.empty()) DrawMarkupText(game, endText, 150, help.HelpTextColour, help.HelpHighlightColour);
  else DrawMarkupText(game, congrats, 200, help.HelpTextColour, help.HelpHighlightColour);
  DrawMarkupText(game, "Build more {Brenwick Brolt} levels with the level editor", 455, kLightBlueText,
                 kPaleYellowText);
  DrawMarkupText(game, "Press {escape} to go back", 465, kLightBlueText, kPaleYellowText);
  Thanks(game, "thank you", 30, 20, 0, 2);
  Thanks(game, "for playing brenwick brolt", 50, 15, 1, 0);
  if (game.keys.KeyPressed[scan::Escape] == 1) {
    game.flags.GameEnd = false;
    game.overlay.CongratsText.reset();
    ResetTickCounters(game.timing, game.clock());
  }
}

}  // namespace brolt
