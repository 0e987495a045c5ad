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
        const QImage tile = drawn.copy(column * kTilePixels, row * kTilePixels, kTilePixels, kTilePixels);
        const QImage turned = tile.transformed(QTransform().rotate(90.0 * (d - 1))).convertToFormat(QImage::Format_RGB888);
        EXPECT_EQ(item.copy(column * kTilePixels, row * kTilePixels, kTilePixels, kTilePixels), turned)
            << "item " << d << " tile " << column << "," << row;
      }
    }
    const QRect strip(3 * kTilePixels, 0, 10, drawn.height());
    EXPECT_EQ(item.copy(strip), drawn.copy(strip)) << "the strip that is no whole tile stays as drawn, item " << d;
  }
}

TEST(TileImage, CopiesTheTileOfItsDirectionAndShowsBlackBeyondThePicture) {
  const TilesetPictures pictures = BuildTilesetPictures(PatternedPicture());
  QImage black(kTilePixels, kTilePixels, QImage::Format_RGB888);
  black.fill(Qt::black);
  const QRect second(kTilePixels, kTilePixels, kTilePixels, kTilePixels);
  struct Case {
    int x, y, direction;
    QImage shown;
  };
  for (const Case& c : {Case{2, 2, 0, pictures.imgBuffer[0].copy(second)}, Case{2, 2, 3, pictures.imgBuffer[3].copy(second)},
                        Case{0, 1, 1, black}, Case{1, 0, 1, black}, Case{9, 1, 1, black}, Case{1, 3, 1, black}}) {
    TileDef tile;
    tile.X = static_cast<std::int16_t>(c.x);
    tile.Y = static_cast<std::int16_t>(c.y);
    EXPECT_EQ(pictures.TileImage(tile, c.direction), c.shown) << c.x << "," << c.y << " direction " << c.direction;
  }
}

TEST(LoadTilesetPictures, ReadsTheGraphicsFolderPictureAndNamesAFileItCannotRead) {
  testing::TempFolder folder;
  Editor editor;
  editor.AppPath = folder.path();
  editor.prefs.GraphicsPath = "/Graphics/";
  std::filesystem::create_directory(folder / "Graphics");
  ASSERT_TRUE(PatternedPicture().save(QString::fromStdString((folder / "Graphics" / "Tileset.bmp").string()), "BMP"));
  EXPECT_EQ(TilesetPictureFile(editor), folder / "Graphics" / "Tileset.bmp");
  EXPECT_EQ(LoadTilesetPictures(TilesetPictureFile(editor)).imgBuffer[0], PatternedPicture());

  std::ofstream(folder / "Garbage.bmp") << "not a picture";
  for (const std::filesystem::path& file : {folder / "Missing.bmp", folder / "Garbage.bmp", folder.path()}) {
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
