#pragma once
// The level's colours: random bright ones for a level that asks for them, and the colour table the
// light routines tint with.
#include "common/level_record.h"

namespace brolt {

struct Game;

// A random bright colour: one component 255. With red the largest, blue stays at least 30 below
// green; with blue the largest, red stays below 151. Draws until those hold.
RgbColour RandomBrightColour(Game& game);

// ColourTable := white, then the four level colours.
void ApplyLevelColours(Game& game);

}  // namespace brolt
