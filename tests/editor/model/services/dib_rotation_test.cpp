#include "editor/model/services/dib_rotation.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace brolt::editor {
namespace {

std::uint8_t* PixelAt(DibPixels& pixels, int i, int j) {
  return &pixels.Bytes[static_cast<std::size_t>(j * DIBRowBytes(pixels.Width) + 3 * i)];
}

// Every pixel differs from every other: the bytes i, j and 100 + i + 10 j.
DibPixels NumberedPicture(int width, int height) {
  DibPixels pixels = MakeDibPixels(width, height);
  for (int j = 0; j < height; ++j)
    for (int i = 0; i < width; ++i) {
      std::uint8_t* pixel = PixelAt(pixels, i, j);
      pixel[0] = static_cast<std::uint8_t>(i);
      pixel[1] = static_cast<std::uint8_t>(j);
      pixel[2] = static_cast<std::uint8_t>(100 + i + 10 * j);
    }
  return pixels;
}

// Rows are padded to whole words: 3 x 2 turns from rows of 12 bytes (3 of padding) into rows of 8 (2 of
// padding); 4 x 3 has no padding until turned.
TEST(RotateDIB90, MovesEveryPixelOfAPaddedPictureAndFourTurnsGiveItBack) {
  for (const auto& [w, h, bytes, turnedBytes] : {std::array{3, 2, 2 * 12, 3 * 8}, std::array{4, 3, 3 * 12, 4 * 12}}) {
    for (const bool counterClockwise : {false, true}) {
      DibPixels turned = NumberedPicture(w, h);
      ASSERT_EQ(turned.Bytes.size(), static_cast<std::size_t>(bytes));
      DibPixels source = turned;
      RotateDIB90(turned, counterClockwise);
      ASSERT_EQ((std::array{turned.Width, turned.Height}), (std::array{h, w}));
      ASSERT_EQ(turned.Bytes.size(), static_cast<std::size_t>(turnedBytes));
      for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
          // Clockwise, the source's top row becomes the right column, read downwards.
          const std::uint8_t* to = counterClockwise ? PixelAt(turned, j, w - 1 - i) : PixelAt(turned, h - 1 - j, i);
          EXPECT_TRUE(std::equal(to, to + 3, PixelAt(source, i, j))) << w << "x" << h << " pixel " << i << "," << j;
        }
      for (int turn = 1; turn < 4; ++turn) RotateDIB90(turned, counterClockwise);
      EXPECT_EQ(turned.Bytes, source.Bytes) << w << "x" << h;  // padding included
    }
  }
}

TEST(RotateDIB90, RefusesBytesThatDoNotMatchTheSize) {
  DibPixels pixels = MakeDibPixels(3, 2);
  pixels.Bytes.pop_back();
  EXPECT_THROW(RotateDIB90(pixels, false), std::invalid_argument);
}

}  // namespace
}  // namespace brolt::editor
