#include "game/core/level/level_colours.h"

#include <algorithm>

#include "common/numeric.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

int RandomComponent(Game& game) { return static_cast<int>(RoundHalfEven(game.random().Rnd() * 155 + 100)); }

// Lifts all three components by the same amount so that `top` becomes 255.
void LiftTo255(RgbColour& colour, int top) {
  const int lift = 255 - top;
  colour.red += lift;
  colour.green += lift;
  colour.blue += lift;
}

}  // namespace

RgbColour RandomBrightColour(Game& game) {
  RgbColour colour;
  colour.red = RandomComponent(game);
  colour.green = RandomComponent(game);
  colour.blue = RandomComponent(game);
  // Ties go to red first, then green.
  if (colour.red >= colour.green && colour.red >= colour.blue) {
    LiftTo255(colour, colour.red);
    while (colour.blue > colour.green - 30) {
      colour.green = RandomComponent(game);
      colour.blue = RandomComponent(game);
    }
  } else if (colour.green >= colour.red && colour.green >= colour.blue) {
    LiftTo255(colour, colour.green);
  } else {
    LiftTo255(colour, colour.blue);
    while (colour.red >= 151) colour.red = RandomComponent(game);
  }
  return colour;
}

void ApplyLevelColours(Game& game) {
  LevelState& level = game.level;
  const RgbColour colours[] = {{255, 255, 255}, level.LevelColor1, level.LevelColor2, level.LevelColor3,
                               level.LevelColor4};
  std::size_t i = 0;
  for (const RgbColour& colour : colours) {
    level.ColourTable[i++] = static_cast<std::int16_t>(colour.red);
    level.ColourTable[i++] = static_cast<std::int16_t>(colour.green);
    level.ColourTable[i++] = static_cast<std::int16_t>(colour.blue);
  }
}

}  // namespace brolt
