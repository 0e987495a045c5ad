#include "game/presentation/screens/level_complete_screen.h"

#include <string>

#include "common/level_record.h"
#include "game/core/files/level_collection.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/state/game.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {

namespace {

// The light radius the screen closes the light down to.
constexpr std::int32_t kClosedLight = 5;

void Text(Game& game, const std::string& text, std::int16_t y, std::int16_t size, std::int16_t wave,
          std::int16_t sizeWave, std::uint32_t colour = kWhiteText) {
  std::int16_t x = 0;
  game.services.drawing->DrawText(text, x, y, size, 0, wave, sizeWave, colour);
}

}  // namespace

bool IsNewBestTime(Game& game) {
  const int level = game.flags.CurrentLevel;
  return IsBetterTime(game, ReadBestTime(game, level)) && IsCompiledMarker(ReadCollectionMarker(game, 1));
}

void DrawLevelCompleteScreen(Game& game) {
  if (IsNewBestTime(game)) {
    Text(game, "new time", 100, 30, 5, 0);
    Text(game, "enter your name", 360, 20, 0, 5);
    Text(game, game.collection.PlayerName, 300, 20, 3, 0, Rgb(205, 255, 205));
    Text(game, "-------", 280, 20, 0, 5);
    Text(game, "-     -", 300, 20, 0, 5);
    Text(game, "-------", 320, 20, 0, 5);
  } else {
    Text(game, "Level Complete", 100, 30, 5, 0);
    Text(game, "Press Enter", 360, 20, 0, 5);
  }
  Text(game, game.timing.ClockText, 150, 20, 0, 0);
  game.level.LightRadiusTarget = kClosedLight;
}

}  // namespace brolt
