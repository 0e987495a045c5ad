#pragma once
// The vertex colours of the lit playfield: one circular light around the Thresher, full colour at
// its centre, fading to nearly black at the level's light radius. The sprite drawing asks for the
// colour of every corner it draws, so distances come from a table rather than a square root, and
// the colours of each distance are kept once worked out (CornerLight).
// Colours are packed red << 16 | green << 8 | blue, the top byte 0.
#include <cstddef>
#include <cstdint>

#include "game/core/state/light_state.h"

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

// The colour class of an object type: 0 white, 1..4 the level colours.
int LightColourClass(const Game& game, int objType);

// The colours of GetCellColour and GetCellColourScaled for many points of one frame, by colour
// class instead of object type: the same colours and the same random draws, read from the game's
// LightColourCache. Holds while the light's radius and centre and the level's colours stay as they
// were when it was made.
class CornerLight {
 public:
  explicit CornerLight(Game& game);

  // Where the colours of a point (x, y) for a colour class are kept.
  std::size_t Index(int x, int y, int colourClass) const {
    const int distance = distances_.At(x - originX_, y - originY_);
    return static_cast<std::size_t>(colourClass * LightColourCache::kDistances + distance);
  }
  // The colour at an index, drawing its flicker.
  std::uint32_t Colour(std::size_t index) {
    std::uint32_t& entry = cache_.Full[index];
    if (entry == LightColourCache::kUnknown) entry = FullEntry(index);
    return entry < kFlickerBlue ? entry : Flicker(entry);
  }
  std::uint32_t ScaledColour(std::size_t index) {
    std::uint32_t& entry = cache_.Scaled[index];
    if (entry == LightColourCache::kUnknown) entry = ScaledEntry(index);
    return entry;
  }

  // The top byte of a full-light entry names the components that flicker: this bit for blue, the
  // next for green, the one after for red.
  static constexpr std::uint32_t kFlickerBlue = 1u << 24;

 private:
  std::uint32_t FullEntry(std::size_t index) const;
  std::uint32_t ScaledEntry(std::size_t index) const;
  std::uint32_t Flicker(std::uint32_t entry);

  Game& game_;
  RadialReader distances_;
  LightColourCache& cache_;
  int originX_;
  int originY_;
};

}  // namespace brolt
