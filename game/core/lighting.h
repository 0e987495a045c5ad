#pragma once
// The vertex colours of the lit playfield: one circular light around the Thresher, full colour at
// its centre, fading to nearly black at the level's light radius. The sprite drawing asks for the
// colour of every corner it draws, so distances come from a table rather than a square root.
// Colours are packed red << 16 | green << 8 | blue, the top byte 0.
#include <cstdint>

namespace brolt {

struct Game;

// Fills the distance tables for offsets up to 20 cells each way. Called once at start-up.
void BuildLightTable(Game& game);

// The colour of a point (x, y) in world units for an object type: the type's light colour (white or
// one of the level colours) darkened linearly with the distance from the light centre, reaching 0
// at the light radius. Components that fall below 10 flicker at 9 or 10, drawing one random number
// each, red first. Black without light (radius below 1).
std::uint32_t GetCellColour(Game& game, int x, int y, int objType);

// The dimmer colour of creatures, blasts and shots: half the fall-off, twice the brightness, and
// never below 100 per component. Types with a light colour take the level's first colour divided by
// their colour class; white-lit types take grey light. Black without light.
std::uint32_t GetCellColourScaled(const Game& game, int x, int y, int objType);

}  // namespace brolt
