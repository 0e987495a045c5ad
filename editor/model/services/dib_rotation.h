#pragma once
// Quarter turns of 24-bit pixel pictures laid out as device-independent bitmaps: three bytes a pixel,
// rows from the top, each row padded to a multiple of four bytes. The tileset's turned copies are
// made with it, one 32 x 32 tile at a time.
#include <cstdint>
#include <vector>

namespace brolt::editor {

struct DibPixels {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Bytes;  // DIBRowBytes(Width) x Height; padding bytes are zero
};

// The bytes of one 24-bit row of `width` pixels: the next multiple of 4 at or above 3 x width.
int DIBRowBytes(int width);

// An all-zero picture of the given size.
DibPixels MakeDibPixels(int width, int height);

// Turns the picture a quarter turn, clockwise unless `counterClockwise`; width and height change
// places and the rows take the new width's padding. Throws std::invalid_argument when the bytes
// don't match the size.
void RotateDIB90(DibPixels& pixels, bool counterClockwise);

}  // namespace brolt::editor
