#pragma once
// The standard 16-colour palette of the minimap dots (TileDef::Mini), as 0xBBGGRR. The level
// previews of the load and management dialogs draw with it too.
#include <array>
#include <cstdint>

namespace brolt::editor {

constexpr std::array<std::int32_t, 16> kMiniPalette = {
    0x000000,  // 0 black
    0x800000,  // 1 blue
    0x008000,  // 2 green
    0x808000,  // 3 cyan
    0x000080,  // 4 red
    0x800080,  // 5 magenta
    0x008080,  // 6 brown
    0xC0C0C0,  // 7 light grey
    0x808080,  // 8 grey
    0xFF0000,  // 9 light blue
    0x00FF00,  // 10 light green
    0xFFFF00,  // 11 light cyan
    0x0000FF,  // 12 light red
    0xFF00FF,  // 13 light magenta
    0x00FFFF,  // 14 yellow
    0xFFFFFF,  // 15 white
};

// A palette entry; a number outside the palette gives black.
constexpr std::int32_t MiniPaletteColour(int index) {
  return index >= 0 && index < static_cast<int>(kMiniPalette.size()) ? kMiniPalette[static_cast<std::size_t>(index)] : 0;
}

}  // namespace brolt::editor
