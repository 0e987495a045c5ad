#pragma once
// Colours of the screen texts, as RGB values with red in the low byte. The quads take such a value
// as their vertex colour unchanged, and there the low byte is blue: on screen red and blue trade
// places, so "orange" titles show light blue and a warning given as blue shows red. The screens
// were made with that look, so the names below are those of the values, not of what one sees.
#include <cstdint>

namespace brolt {

constexpr std::uint32_t Rgb(int red, int green, int blue) {
  return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
         static_cast<std::uint32_t>(blue) << 16;
}

constexpr std::uint32_t kWhiteText = Rgb(255, 255, 255);
constexpr std::uint32_t kOrangeText = Rgb(255, 200, 100);
constexpr std::uint32_t kLightBlueText = Rgb(100, 200, 250);
constexpr std::uint32_t kPaleYellowText = Rgb(250, 250, 150);

}  // namespace brolt
