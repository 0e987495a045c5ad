#include "game/core/drawing/textures.h"

#include <gtest/gtest.h>

#include "common/pack_format.h"
#include "common/file_io.h"
#include "game/core/state/game.h"
#include "game/core/files/pack_file.h"
#include "game/core/interfaces/render_device.h"
#include "game/core/drawing/texture_id.h"
#include "support/temp_folder.h"

namespace brolt {
namespace {

// A device that loads a texture only when its picture file is there at the moment it is asked.
class FileCheckingDevice : public RenderDevice {
 public:
  bool LoadTexture(int textureId, const std::filesystem::path& file) override {
    order.push_back(textureId);
    folders.push_back(file.parent_path());
    const bool present = std::filesystem::exists(file);
    if (present) loaded.push_back(textureId);
    return present;
  }
  void SetCamera(const Matrix4&) override {}
  void SetBlend(BlendMode) override {}
  void SetTexture(int) override {}
  void DrawWorldQuad(const Quad&) override {}
  void DrawScreenQuad(const Quad&) override {}
  void Clear() override {}
  void Present() override {}

  std::vector<int> order, loaded;
  std::vector<std::filesystem::path> folders;
};

void WritePack(const std::filesystem::path& file, bool withGems) {
  std::vector<PackEntry> entries;
  for (int id = TexTileset; id <= TexBackground; ++id)
    if (withGems || id != TexGems) entries.push_back({{TextureFileName(id)}, "picture " + std::to_string(id)});
  ReplaceFileAtomically(file, EncodePack(entries));
}

class TexturesTest : public ::testing::Test {
 protected:
  TexturesTest() {
    game.paths.ProgramFolder = program.path();
    game.settings.PackFile = "Brolt.pak";
  }
  testing::TempFolder program;
  Game game;
  FileCheckingDevice device;
};

TEST_F(TexturesTest, NamesTheSeventeenPictures) {
  EXPECT_EQ(TextureFileName(TexTileset), "Tileset.BMP");
  EXPECT_EQ(TextureFileName(TexCornerBR), "T_BR.BMP");
  EXPECT_EQ(TextureFileName(TexExplogeon2), "Explogeon2.BMP");
  EXPECT_EQ(TextureFileName(TexBackground), "wall1.jpg");
  EXPECT_EQ(TextureFileName(0), "");
  EXPECT_EQ(TextureFileName(18), "");
}

TEST_F(TexturesTest, AMissingPictureLeavesOnlyItsOwnSlotEmptyAndTheFolderGoes) {
  WritePack(program / "Brolt.pak", false);
  EXPECT_EQ(ReloadGraphics(game, device), 0);
  EXPECT_EQ(device.order, (std::vector<int>{1, 2, 3, 4, 5, 16, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17}));
  EXPECT_EQ(device.loaded.size(), 16u);
  EXPECT_EQ(std::count(device.loaded.begin(), device.loaded.end(), TexGems), 0);
  EXPECT_FALSE(std::filesystem::exists(device.folders.front()));
  EXPECT_TRUE(std::filesystem::exists(program / "Brolt.pak"));
}

TEST_F(TexturesTest, ReloadingTwiceLoadsTheSameTexturesEachTime) {
  WritePack(program / "Brolt.pak", true);
  ReloadGraphics(game, device);
  std::vector<int> first = device.loaded;
  device.loaded.clear();
  ReloadGraphics(game, device);
  EXPECT_EQ(device.loaded, first);
  EXPECT_EQ(first.size(), 17u);
  EXPECT_NE(device.folders.front(), device.folders.back());  // a fresh folder each time
}

TEST_F(TexturesTest, AnUnusablePackIsReportedAndLeftAsItWas) {
  ReplaceFileAtomically(program / "Brolt.pak", "garbage");
  EXPECT_THROW(ReloadGraphics(game, device), PackFileError);
  EXPECT_EQ(*ReadWholeFile(program / "Brolt.pak"), "garbage");
  EXPECT_TRUE(device.order.empty());
}

TEST_F(TexturesTest, OnlyAPackThatUnpackedBecomesTheDefault) {
  WritePack(program / "New.pak", true);
  ReplaceFileAtomically(program / "Broken.pak", "garbage");
  testing::TempFolder unpacked;
  EXPECT_THROW(UnpackGamePack(game, "Broken.pak", unpacked.path()), PackFileError);
  EXPECT_EQ(game.settings.PackFile, "Brolt.pak");
  UnpackGamePack(game, "New.pak", unpacked.path());
  EXPECT_EQ(game.settings.PackFile, "New.pak");
  EXPECT_TRUE(std::filesystem::exists(unpacked / "Tileset.BMP"));
}

}  // namespace
}  // namespace brolt
