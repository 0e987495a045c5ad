#pragma once
// The texture sheets that object types and drawing name by number (0 = no texture).
#include <cstdint>

namespace brolt {

enum TextureId : std::int16_t {
  TexNone = 0,
  TexTileset = 1,
  TexMisc = 2,
  TexPlayer = 3,
  TexSpider = 4,
  TexExplogeon = 5,
  TexText = 6,
  TexGems = 7,
  TexBack = 8,
  TexPortals = 9,
  TexRocks = 10,
  TexCornerTL = 11,
  TexCornerTR = 12,
  TexCornerBL = 13,
  TexCornerBR = 14,
  TexPowerups = 15,
  TexExplogeon2 = 16,
  TexBackground = 17,
};

}  // namespace brolt
