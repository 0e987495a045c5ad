#pragma once
// The tile catalogue: one entry per tile code 0..999, read from table Tileset at start-up.
#include <array>
#include <cstdint>
#include <string>

namespace brolt::editor {

constexpr int kTileCodes = 1000;
constexpr int kThresherTile = 1;
constexpr int kExitPortalTile = 9;
constexpr int kUnidTile = 21;

struct TileDef {
  std::string Desc;
  std::int16_t X = 0;     // 1-based column of the tile's picture in the tileset picture
  std::int16_t Y = 0;     // 1-based row
  std::int16_t Mini = 0;  // minimap colour, 0..15
  bool Unique = false;
  bool Rotate = false;
  bool Explosive = false;
};

struct TileCatalogue {
  std::array<TileDef, kTileCodes> TileDefs{};
  // Codes in table order, as the palette lays them out.
  std::array<std::int16_t, kTileCodes> PaletteOrder{};
  int PaletteCount = 0;

  const TileDef& operator[](int code) const {
    static const TileDef none;
    return code >= 0 && code < kTileCodes ? TileDefs[static_cast<std::size_t>(code)] : none;
  }
};

}  // namespace brolt::editor
