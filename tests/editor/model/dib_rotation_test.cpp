#include "editor/model/dib_rotation.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace brolt::editor {
namespace {

// A picture whose every pixel is different: pixel (i, j) holds the bytes i, j and 100 + i + 10 j.
DibPixels NumberedPicture(int width, int height) {
  DibPixels pixels = MakeDibPixels(width, height);
  const int stride = DIBRowBytes(width);
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      std::uint8_t* pixel = &pixels.Bytes[static_cast<std::size_t>(j * stride + 3 * i)];
      pixel[0] = static_cast<std::uint8_t>(i);
      pixel[1] = static_cast<std::uint8_t>(j);
      pixel[2] = static_cast<std::uint8_t>(100 + i + 10 * j);
    }
  }
  return pixels;
}

const std::uint8_t* PixelAt(const DibPixels& pixels, int i, int j) {
  return &pixels.Bytes[static_cast<std::size_t>(j * DIBRowBytes(pixels.Width) + 3 * i)];
}

TEST(DIBRowBytes, RoundsThreeBytesAPixelUpToWholeWords) {
  const std::pair<int, int> cases[] = {{0, 0}, {1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {32, 96}, {257, 772}};
  for (const auto& [width, bytes] : cases) EXPECT_EQ(DIBRowBytes(width), bytes) << width;
}

struct TurnCase {
  bool counterClockwise;
  // Where source pixel (i, j) of a w x h picture lands in the turned picture.
  int (*column)(int i, int j, int w, int h);
  int (*row)(int i, int j, int w, int h);
};

TEST(RotateDIB90, KeepsEveryPixelOfAnOddPictureAndSwapsItsSides) {
  const TurnCase cases[] = {
      {false, [](int, int j, int, int h) { return h - 1 - j; }, [](int i, int, int, int) { return i; }},
      {true, [](int, int j, int, int) { return j; }, [](int i, int, int w, int) { return w - 1 - i; }},
  };
  for (const TurnCase& c : cases) {
    // 3 x 2: source rows of 12 bytes with 3 of padding, turned rows of 8 bytes with 2 of padding.
    for (const auto& [w, h] : {std::pair{3, 2}, std::pair{5, 3}}) {
      DibPixels pixels = NumberedPicture(w, h);
      const DibPixels source = pixels;
      RotateDIB90(pixels, c.counterClockwise);
      ASSERT_EQ(pixels.Width, h);
      ASSERT_EQ(pixels.Height, w);
      ASSERT_EQ(pixels.Bytes.size(), static_cast<std::size_t>(DIBRowBytes(h) * w));
      for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
          const std::uint8_t* from = PixelAt(source, i, j);
          const std::uint8_t* to = PixelAt(pixels, c.column(i, j, w, h), c.row(i, j, w, h));
          EXPECT_TRUE(std::equal(from, from + 3, to)) << w << "x" << h << " pixel " << i << "," << j;
        }
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
    EXPECT_EQ(pixels.Height, 3);
    EXPECT_EQ(pixels.Bytes, original.Bytes);
  }
}

TEST(RotateDIB90, ATileTurnedClockwiseTakesItsTopLeftPixelToTheTopRight) {
  DibPixels tile = MakeDibPixels(32, 32);
  tile.Bytes[2] = 255;  // red, in blue-green-red order
  RotateDIB90(tile, false);
  const std::uint8_t* topRight = PixelAt(tile, 31, 0);
  EXPECT_EQ(topRight[0], 0);
  EXPECT_EQ(topRight[1], 0);
  EXPECT_EQ(topRight[2], 255);
  EXPECT_EQ(PixelAt(tile, 0, 0)[2], 0);
}

TEST(RotateDIB90, RefusesBytesThatDoNotMatchTheSize) {
  DibPixels pixels = MakeDibPixels(3, 2);
  pixels.Bytes.pop_back();
  EXPECT_THROW(RotateDIB90(pixels, false), std::invalid_argument);
}

}  // namespace
}  // namespace brolt::editor
