#pragma once
// Pictures become textures of 256 x 256 RGBA texels: scaled by point sampling, with opaque black
// made transparent so that sprites show what lies behind them.
#include <cstdint>
#include <vector>

namespace brolt {

constexpr int kTextureSize = 256;

// rgba: `height` rows of `width` pixels, 4 bytes each (red, green, blue, alpha), rows `pitch` bytes
// apart. Returns kTextureSize rows of kTextureSize texels in the same byte order.
std::vector<std::uint8_t> MakeTextureTexels(const std::uint8_t* rgba, int width, int height, int pitch);

}  // namespace brolt
