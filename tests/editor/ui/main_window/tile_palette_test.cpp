#include "editor/ui/main_window/tile_palette.h"

#include <gtest/gtest.h>

#include <QTransform>
#include <fstream>

#include "editor/support/widget_events.h"
#include "editor/ui/canvas/tileset_loading.h"
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

QRect TileSquare(int column, int row) { return {column * kTilePixels, row * kTilePixels, kTilePixels, kTilePixels}; }

TEST(BuildTilesetPictures, EachItemHoldsEveryTileTurnedOneQuarterMoreThanTheLastAndTileImageCutsThemOut) {
  const QImage drawn = PatternedPicture();
  const TilesetPictures pictures = BuildTilesetPictures(drawn);
  for (int d = 0; d <= 4; ++d) {  // items 0 and 1 both as drawn
    const QImage& item = pictures.imgBuffer[static_cast<std::size_t>(d)];
    ASSERT_EQ(item.size(), drawn.size()) << d;
    for (int row = 0; row < 2; ++row) {
      for (int column = 0; column < 3; ++column) {
        const QImage turned = drawn.copy(TileSquare(column, row)).transformed(QTransform().rotate(90.0 * std::max(0, d - 1)));
        EXPECT_EQ(item.copy(TileSquare(column, row)), turned.convertToFormat(QImage::Format_RGB888))
            << "item " << d << " tile " << column << "," << row;
      }
    }
    const QRect strip(3 * kTilePixels, 0, 10, drawn.height());
    EXPECT_EQ(item.copy(strip), drawn.copy(strip)) << "the strip that is no whole tile stays as drawn, item " << d;
  }

  // A tile's picture is its square (counted from 1) of its direction's item, black beyond the picture.
  QImage black(kTilePixels, kTilePixels, QImage::Format_RGB888);
  black.fill(Qt::black);
  struct Case {
    int x, y, direction;
    QImage shown;
  };
  for (const Case& c : {Case{2, 2, 0, pictures.imgBuffer[0].copy(TileSquare(1, 1))},
                        Case{2, 2, 3, pictures.imgBuffer[3].copy(TileSquare(1, 1))}, Case{0, 1, 1, black},
                        Case{1, 0, 1, black}, Case{9, 1, 1, black}, Case{1, 3, 1, black}}) {
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

QRgb TileColour(int x, int y) { return qRgb(x * 30, y * 30, 200); }

// A tileset of 8 x 8 tiles, each one flat colour, and a catalogue whose tiles sit in table order.
class TilePaletteTest : public ::testing::Test {
 protected:
  TilePaletteTest() {
    QImage picture(8 * kTilePixels, 8 * kTilePixels, QImage::Format_RGB888);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, TileColour(x / kTilePixels + 1, y / kTilePixels + 1));
    pictures_ = BuildTilesetPictures(picture);
    for (int code : {45, 1, 0, 7, 22, 9, 3, 60, 12}) {
      TileDef& tile = catalogue_.TileDefs[static_cast<std::size_t>(code)];
      tile.Desc = "Tile " + std::to_string(code);
      tile.X = static_cast<std::int16_t>(code % 8 + 1);
      tile.Y = static_cast<std::int16_t>(code / 8 % 8 + 1);
      catalogue_.PaletteOrder[static_cast<std::size_t>(catalogue_.PaletteCount++)] = static_cast<std::int16_t>(code);
    }
    catalogue_.TileDefs[9].X = 12;  // beyond the picture: a black tile
  }

  TileCatalogue catalogue_;
  TilesetPictures pictures_;
};

TEST_F(TilePaletteTest, SetsOutTheButtonsFourToARowInTableOrderEachWithItsPictureNameAndRelease) {
  TilePalette palette(catalogue_, pictures_);
  const QPoint expected[] = {{2, 2}, {37, 2}, {72, 2}, {107, 2}, {2, 37}, {37, 37}, {72, 37}, {107, 37}, {2, 72}};
  for (int n = 0; n < catalogue_.PaletteCount; ++n) {
    const int code = catalogue_.PaletteOrder[static_cast<std::size_t>(n)];
    const QAbstractButton* button = palette.TileButton(code);
    ASSERT_NE(button, nullptr) << code;
    EXPECT_EQ(button->geometry(), QRect(expected[n], QSize(33, 33))) << "button " << n << " tile " << code;
  }
  EXPECT_EQ(palette.height(), 72 + 36);  // just below the last row
  EXPECT_EQ(palette.TileButton(2), nullptr);

  for (const auto& [code, colour] : {std::pair{45, TileColour(6, 6)}, std::pair{1, TileColour(2, 1)}, std::pair{9, qRgb(0, 0, 0)}}) {
    QAbstractButton* button = palette.TileButton(code);
    EXPECT_EQ(button->toolTip(), QString(" Tile %1 ").arg(code));
    const QImage shown = button->grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0), colour) << code;
    EXPECT_EQ(shown.pixel(31, 31), colour) << code;
  }
  // The press and the move reach the tools through the menu fixture's palette.
  std::pair<int, Qt::MouseButton> released;
  QObject::connect(&palette, &TilePalette::TileMouseUp, [&](int code, Qt::MouseButton button) { released = {code, button}; });
  testing::Click(palette.TileButton(1), {5, 5}, Qt::RightButton);
  EXPECT_EQ(released, std::pair(1, Qt::RightButton));
  // Choosing one tile lets the one chosen before spring back out.
  testing::Click(palette.TileButton(45), {5, 5});
  testing::Click(palette.TileButton(9), {5, 5});
  EXPECT_TRUE(palette.TileButton(9)->isChecked());
  EXPECT_FALSE(palette.TileButton(45)->isChecked());
}

}  // namespace
}  // namespace brolt::editor
