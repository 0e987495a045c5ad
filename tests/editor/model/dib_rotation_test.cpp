#include "editor/model/dib_rotation.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace brolt::editor {
namespace {

// Pixel (i, j) of a picture whose every pixel differs: the bytes i, j and 100 + i + 10 j.
std::uint8_t* PixelAt(DibPixels& pixels, int i, int j) {
  return &pixels.Bytes[static_cast<std::size_t>(j * DIBRowBytes(pixels.Width) + 3 * i)];
}
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

TEST(DIBRowBytes, RoundsThreeBytesAPixelUpToWholeWords) {
  for (const auto& [width, bytes] : {std::pair{1, 4}, std::pair{2, 8}, std::pair{3, 12}, std::pair{4, 12}, std::pair{32, 96}})
    EXPECT_EQ(DIBRowBytes(width), bytes) << width;
}

TEST(RotateDIB90, KeepsEveryPixelOfAnOddPictureAndSwapsItsSides) {
  // 3 x 2: source rows of 12 bytes with 3 of padding, turned rows of 8 bytes with 2 of padding.
  for (const auto& [w, h] : {std::pair{3, 2}, std::pair{5, 3}}) {
    for (const bool counterClockwise : {false, true}) {
      DibPixels turned = NumberedPicture(w, h);
      DibPixels source = turned;
      RotateDIB90(turned, counterClockwise);
      ASSERT_EQ(turned.Width, h);
      ASSERT_EQ(turned.Height, w);
      ASSERT_EQ(turned.Bytes.size(), static_cast<std::size_t>(DIBRowBytes(h) * w));
      for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
          // Clockwise, the source's top row becomes the right column, read downwards.
          const std::uint8_t* to = counterClockwise ? PixelAt(turned, j, w - 1 - i) : PixelAt(turned, h - 1 - j, i);
          EXPECT_TRUE(std::equal(to, to + 3, PixelAt(source, i, j))) << w << "x" << h << " pixel " << i << "," << j;
        }
    }
  }
}

TEST(RotateDIB90, FourTurnsEitherWayGiveTheOriginal) {
  for (const bool counterClockwise : {false, true}) {
    DibPixels pixels = NumberedPicture(7, 3);
    const DibPixels original = pixels;
    for (int turn = 0; turn < 4; ++turn) RotateDIB90(pixels, counterClockwise);
    EXPECT_EQ(pixels.Width, 7);
    EXPECT_EQ(pixels.Bytes, original.Bytes);
  }
}

TEST(RotateDIB90, ATileTurnedClockwiseTakesItsTopLeftPixelToTheTopRight) {
  DibPixels tile = MakeDibPixels(32, 32);
  tile.Bytes[2] = 255;  // red, in blue-green-red order
  RotateDIB90(tile, false);
  const std::uint8_t red[] = {0, 0, 255};
  EXPECT_TRUE(std::equal(red, red + 3, PixelAt(tile, 31, 0)));
  EXPECT_EQ(PixelAt(tile, 0, 0)[2], 0);
}

TEST(RotateDIB90, RefusesBytesThatDoNotMatchTheSize) {
  DibPixels pixels = MakeDibPixels(3, 2);
  pixels.Bytes.pop_back();
  EXPECT_THROW(RotateDIB90(pixels, false), std::invalid_argument);
}

}  // namespace
}  // namespace brolt::editor
