#pragma once
// The sliders and the game-speed label of the options page, shared by the title menu and the
// options of play.
#include <cstdint>

namespace brolt {

struct Game;
class RenderDevice;

// A slider of 12 x size pixels centred on centreX at height y: caps, a track and a knob at value's
// place between minimum and maximum, all in colour. A slider whose minimum and maximum are equal has
// its knob at the start; one without a size draws nothing.
void DrawSlider(Game& game, RenderDevice& device, std::int32_t centreX, std::int32_t y, std::int32_t size,
                std::int32_t minimum, std::int32_t maximum, std::int32_t value, std::uint32_t colour);

// The name of the game speed under its slider, wobbling the more the slower the speed.
void DrawGameSpeedLabel(Game& game);

}  // namespace brolt
