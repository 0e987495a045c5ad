#include "editor/ui/tile_palette.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "editor/ui/tileset_loading.h"

namespace brolt::editor {
namespace {

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

TEST_F(TilePaletteTest, SetsOutTheButtonsFourToARowInTableOrderEachWithItsPictureAndName) {
  const TilePalette palette(catalogue_, pictures_);
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
}

TEST_F(TilePaletteTest, ReportsPressReleaseAndMovesWithTheTileCode) {
  TilePalette palette(catalogue_, pictures_);
  std::vector<std::string> reported;
  auto report = [&](const char* what, int code, Qt::MouseButton button = Qt::NoButton) {
    reported.push_back(what + std::to_string(code) + (button == Qt::RightButton ? " right" : ""));
  };
  QObject::connect(&palette, &TilePalette::TileMouseDown, [&](int code, Qt::MouseButton b) { report("down ", code, b); });
  QObject::connect(&palette, &TilePalette::TileMouseUp, [&](int code, Qt::MouseButton b) { report("up ", code, b); });
  QObject::connect(&palette, &TilePalette::TileMouseMove, [&](int code) { report("move ", code); });
  for (const auto& [type, pressed] : {std::pair{QEvent::MouseButtonPress, Qt::RightButton},
                                      std::pair{QEvent::MouseButtonRelease, Qt::RightButton},
                                      std::pair{QEvent::MouseMove, Qt::NoButton}}) {
    QMouseEvent event(type, QPointF(5, 5), QPointF(5, 5), pressed, pressed, Qt::NoModifier);
    QApplication::sendEvent(palette.TileButton(1), &event);
  }
  EXPECT_EQ(reported, (std::vector<std::string>{"down 1 right", "up 1 right", "move 1"}));
}

}  // namespace
}  // namespace brolt::editor
