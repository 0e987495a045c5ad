#include "editor/model/services/dib_rotation.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <utility>

namespace brolt::editor {

namespace {
constexpr int kPixelBytes = 3;
}

int DIBRowBytes(int width) { return (kPixelBytes * width + 3) & ~3; }

DibPixels MakeDibPixels(int width, int height) {
  DibPixels pixels;
  pixels.Width = width;
  pixels.Height = height;
  pixels.Bytes.assign(static_cast<std::size_t>(DIBRowBytes(width)) * static_cast<std::size_t>(height), 0);
  return pixels;
}

void RotateDIB90(DibPixels& pixels, bool counterClockwise) {
  const int w = pixels.Width;
  const int h = pixels.Height;
  const std::size_t sourceStride = static_cast<std::size_t>(DIBRowBytes(w));
  if (w < 0 || h < 0 || pixels.Bytes.size() != sourceStride * static_cast<std::size_t>(h))
    throw std::invalid_argument("RotateDIB90: the pixel bytes do not match the picture's size");
  DibPixels turned = MakeDibPixels(h, w);
  const std::size_t resultStride = static_cast<std::size_t>(DIBRowBytes(h));
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      // Clockwise, the source's left column becomes the top row read from the bottom up.
      const int column = counterClockwise ? j : h - 1 - j;
      const int row = counterClockwise ? w - 1 - i : i;
      const auto from = pixels.Bytes.begin() + static_cast<std::ptrdiff_t>(j * sourceStride + kPixelBytes * i);
      const auto to = turned.Bytes.begin() + static_cast<std::ptrdiff_t>(row * resultStride + kPixelBytes * column);
      std::copy(from, from + kPixelBytes, to);
    }
  }
  pixels = std::move(turned);
}

}  // namespace brolt::editor
