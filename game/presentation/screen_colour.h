#pragma once
// Colours of the screen layer's text and quads, in the order the vertices take them: red << 16 |
// green << 8 | blue.
#include <cstdint>

namespace brolt {

constexpr std::uint32_t ScreenRgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return (red << 16) | (green << 8) | blue;
}

// A colour kept with red in the low byte (the menu colour start-up chose) in the vertices' order.
constexpr std::uint32_t ScreenColourOf(std::uint32_t redLow) {
  return ScreenRgb(redLow & 0xFF, (redLow >> 8) & 0xFF, (redLow >> 16) & 0xFF);
}

constexpr std::uint32_t kScreenWhite = ScreenRgb(255, 255, 255);

}  // namespace brolt
