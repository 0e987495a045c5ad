#pragma once
// The game's one volume rule for effects and music alike.
#include <cstdint>

namespace brolt {

// The quietest level the game sets: option level 0, and every effect far enough away.
constexpr int kFloorVolume = -5000;

// An option level 0..100 in hundredths of a decibel: 100 is full level (0), 0 is the floor (-5000).
constexpr int OptionLevelVolume(std::int16_t level) { return level * 50 + kFloorVolume; }

}  // namespace brolt
