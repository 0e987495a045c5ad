#pragma once
// The pieces of the option screens that the title menu and the in-game options share: a slider
// and the label of the game speed.
#include <cstdint>

namespace brolt {

struct Game;

// A slider of quads `size` wide centred on centreX at height y: a left cap, a track twelve pieces
// wide in all and a right cap, with the knob placed for `value` between min and max. With min equal
// to max the knob rests at the start of the track.
void DrawSlider(Game& game, std::int32_t centreX, std::int32_t y, std::int32_t size, std::int32_t min,
                std::int32_t max, std::int32_t value, std::uint32_t colour);

// The name of the game speed under its slider, wobbling the more the slower the game.
void DrawGameSpeedLabel(Game& game);

}  // namespace brolt
