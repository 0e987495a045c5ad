#pragma once
// The words that start-up sets once for the whole run.
#include <array>
#include <cstdint>
#include <string>

namespace brolt {

struct StartUpState {
  std::int32_t ScreenWidth = 640;
  std::int32_t ScreenHeight = 480;
  bool Windowed = true;
  bool ShowFps = false;
  std::int16_t ScreenOffsetX = 0;
  std::int16_t ScreenOffsetY = 0;
  // Turns of the title and menu backdrops, in degrees (BackdropTurnA to C of the backdrop drawing).
  std::array<float, 3> BackdropAngles{};
  // The tint of the title and menu backdrops, an RGB value with red in the low byte.
  std::uint32_t MenuColour = 0;
};

}  // namespace brolt
