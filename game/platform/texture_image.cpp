#include "game/platform/texture_image.h"

#include <cstddef>

namespace brolt {
namespace {

// The source pixel whose centre lies nearest the centre of texel `texel`.
int SourceIndex(int texel, int sourceSize) {
  return static_cast<int>((static_cast<std::int64_t>(texel) * 2 + 1) * sourceSize / (2 * kTextureSize));
}

}  // namespace

std::vector<std::uint8_t> MakeTextureTexels(const std::uint8_t* rgba, int width, int height, int pitch) {
  std::vector<std::uint8_t> texels(static_cast<std::size_t>(kTextureSize) * kTextureSize * 4);
  std::uint8_t* out = texels.data();
  for (int y = 0; y < kTextureSize; ++y) {
    const std::uint8_t* row = rgba + static_cast<std::ptrdiff_t>(SourceIndex(y, height)) * pitch;
    for (int x = 0; x < kTextureSize; ++x, out += 4) {
      const std::uint8_t* pixel = row + SourceIndex(x, width) * 4;
      const bool opaqueBlack = pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0 && pixel[3] == 255;
      for (int channel = 0; channel < 4; ++channel) out[channel] = opaqueBlack ? 0 : pixel[channel];
    }
  }
  return texels;
}

}  // namespace brolt
