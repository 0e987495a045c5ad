#include "editor/ui/tileset_loading.h"

#include <gtest/gtest.h>

#include <QTransform>
#include <fstream>

#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

// Three tiles across and two down, plus a strip of 10 pixels that holds no whole tile; every pixel
// differs from its neighbours, so any misplaced pixel shows.
QImage PatternedPicture() {
  QImage picture(3 * kTilePixels + 10, 2 * kTilePixels, QImage::Format_RGB888);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x * y) % 256));
  return picture;
}

QImage TurnedClockwise(const QImage& tile, int quarterTurns) {
  return tile.transformed(QTransform().rotate(90.0 * quarterTurns)).convertToFormat(QImage::Format_RGB888);
}

TEST(BuildTilesetPictures, EachItemHoldsEveryTileTurnedOneQuarterMoreThanTheLast) {
  const QImage drawn = PatternedPicture();
  const TilesetPictures pictures = BuildTilesetPictures(drawn);
  EXPECT_EQ(pictures.imgBuffer[0], drawn);
  EXPECT_EQ(pictures.imgBuffer[1], drawn);
  for (int d = 2; d <= 4; ++d) {
    const QImage& item = pictures.imgBuffer[static_cast<std::size_t>(d)];
    ASSERT_EQ(item.size(), drawn.size()) << d;
    for (int row = 0; row < 2; ++row) {
      for (int column = 0; column < 3; ++column) {
        const QRect square(column * kTilePixels, row * kTilePixels, kTilePixels, kTilePixels);
        EXPECT_EQ(item.copy(square), TurnedClockwise(drawn.copy(square), d - 1)) << "item " << d << " tile " << column << "," << row;
      }
    }
    // The strip that is no whole tile stays as drawn.
    const QRect strip(3 * kTilePixels, 0, 10, drawn.height());
    EXPECT_EQ(item.copy(strip), drawn.copy(strip)) << d;
  }
}

TEST(TileImage, CopiesTheTileOfItsDirectionAndShowsBlackBeyondThePicture) {
  const TilesetPictures pictures = BuildTilesetPictures(PatternedPicture());
  TileDef tile;
  tile.X = 2;
  tile.Y = 2;
  const QRect square(kTilePixels, kTilePixels, kTilePixels, kTilePixels);
  EXPECT_EQ(pictures.TileImage(tile, 0), pictures.imgBuffer[0].copy(square));
  EXPECT_EQ(pictures.TileImage(tile, 3), pictures.imgBuffer[3].copy(square));

  QImage black(kTilePixels, kTilePixels, QImage::Format_RGB888);
  black.fill(Qt::black);
  for (const auto& [x, y] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{9, 1}, std::pair{1, 3}}) {
    tile.X = static_cast<std::int16_t>(x);
    tile.Y = static_cast<std::int16_t>(y);
    EXPECT_EQ(pictures.TileImage(tile, 1), black) << x << "," << y;
  }
}

TEST(LoadTilesetPictures, ReadsTheGraphicsFolderPicture) {
  testing::TempFolder folder;
  Editor editor;
  editor.AppPath = folder.path();
  editor.prefs.GraphicsPath = "/Graphics/";
  std::filesystem::create_directory(folder / "Graphics");
  ASSERT_TRUE(PatternedPicture().save(QString::fromStdString((folder / "Graphics" / "Tileset.bmp").string()), "BMP"));

  EXPECT_EQ(TilesetPictureFile(editor), folder / "Graphics" / "Tileset.bmp");
  const TilesetPictures pictures = LoadTilesetPictures(TilesetPictureFile(editor));
  EXPECT_EQ(pictures.imgBuffer[0], PatternedPicture());
}

TEST(LoadTilesetPictures, AMissingOrUnreadablePictureIsAnErrorNamingTheFile) {
  testing::TempFolder folder;
  const std::filesystem::path missing = folder / "Tileset.bmp";
  const std::filesystem::path garbage = folder / "Garbage.bmp";
  std::ofstream(garbage) << "not a picture";
  for (const std::filesystem::path& file : {missing, garbage, folder.path()}) {
    try {
      LoadTilesetPictures(file);
      ADD_FAILURE() << "no error for " << file;
    } catch (const TilesetPictureError& error) {
      EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace brolt::editor
