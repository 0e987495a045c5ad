#include <gtest/gtest.h>

#include <vector>

#include "game/platform/picture_file.h"
#include "game/platform/texture_image.h"
#include "test_files.h"

namespace brolt {
namespace {

using Texel = std::array<std::uint8_t, 4>;

Texel TexelAt(const std::vector<std::uint8_t>& texels, int x, int y) {
  const auto* t = &texels[static_cast<std::size_t>((y * kTextureSize + x) * 4)];
  return {t[0], t[1], t[2], t[3]};
}

TEST(TextureImageTest, PointSamplingRepeatsEachPixelIntoABlock) {
  // 2 x 2 pixels, rows padded to 12 bytes.
  const std::vector<std::uint8_t> picture = {10, 0, 0, 255, 20, 0, 0, 255, 0, 0, 0, 0,
                                             30, 0, 0, 255, 40, 0, 0, 255, 0, 0, 0, 0};
  const auto texels = MakeTextureTexels(picture.data(), 2, 2, 12);
  ASSERT_EQ(texels.size(), 256u * 256 * 4);
  EXPECT_EQ(TexelAt(texels, 0, 0)[0], 10);
  EXPECT_EQ(TexelAt(texels, 127, 127)[0], 10);
  EXPECT_EQ(TexelAt(texels, 128, 0)[0], 20);
  EXPECT_EQ(TexelAt(texels, 127, 128)[0], 30);
  EXPECT_EQ(TexelAt(texels, 255, 255)[0], 40);
}

TEST(TextureImageTest, OnlyOpaquePureBlackBecomesTransparent) {
  const std::vector<std::uint8_t> picture = {0, 0, 0, 255, 1, 0, 0, 255, 0, 0, 1, 255, 9, 9, 9, 0};
  const auto texels = MakeTextureTexels(picture.data(), 4, 1, 16);
  EXPECT_EQ(TexelAt(texels, 0, 0), (Texel{0, 0, 0, 0}));
  EXPECT_EQ(TexelAt(texels, 64, 0), (Texel{1, 0, 0, 255}));
  EXPECT_EQ(TexelAt(texels, 128, 0), (Texel{0, 0, 1, 255}));
  EXPECT_EQ(TexelAt(texels, 192, 0), (Texel{9, 9, 9, 0}));
}

TEST(TexturePictureTest, BitmapIsScaledAndKeyed) {
  const testing::TempFolder folder;
  const auto file = folder / "Misc.BMP";
  test::WritePicture(file, 32, 32, [](int x, int y) { return x < 16 && y < 16 ? 0x000000u : 0x204060u; });
  std::string error;
  const auto texels = LoadTexturePicture(file, error);
  ASSERT_TRUE(texels) << error;
  // Each pixel becomes 8 x 8 texels.
  EXPECT_EQ(TexelAt(*texels, 127, 127), (Texel{0, 0, 0, 0}));
  EXPECT_EQ(TexelAt(*texels, 128, 127), (Texel{0x20, 0x40, 0x60, 255}));
  EXPECT_EQ(TexelAt(*texels, 127, 128), (Texel{0x20, 0x40, 0x60, 255}));
}

TEST(TexturePictureTest, JpegLoadsAndItsPureBlackIsKeyedToo) {
  const testing::TempFolder folder;
  const auto file = folder / "wall1.jpg";
  test::WritePicture(file, 64, 64, [](int x, int) { return x < 32 ? 0x000000u : 0x808080u; });
  std::string error;
  const auto texels = LoadTexturePicture(file, error);
  ASSERT_TRUE(texels) << error;
  EXPECT_EQ(TexelAt(*texels, 30, 100), (Texel{0, 0, 0, 0}));
  const Texel grey = TexelAt(*texels, 220, 100);
  EXPECT_NEAR(grey[0], 0x80, 3);
  EXPECT_EQ(grey[3], 255);
}

TEST(TexturePictureTest, UnreadablePictureGivesItsReason) {
  const testing::TempFolder folder;
  std::string error;
  EXPECT_FALSE(LoadTexturePicture(folder / "Gems.BMP", error));
  EXPECT_FALSE(error.empty());
  std::ofstream(folder / "broken.BMP") << "not a picture";
  error.clear();
  EXPECT_FALSE(LoadTexturePicture(folder / "broken.BMP", error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace brolt
