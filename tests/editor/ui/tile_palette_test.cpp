#include "editor/ui/tile_palette.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "editor/ui/tileset_loading.h"

namespace brolt::editor {
namespace {

// A tileset of 8 x 8 tiles, each one flat colour, and a catalogue whose tiles sit in table order.
class TilePaletteTest : public ::testing::Test {
 protected:
  TilePaletteTest() {
    QImage picture(8 * kTilePixels, 8 * kTilePixels, QImage::Format_RGB888);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, TileColour(x / kTilePixels + 1, y / kTilePixels + 1));
    pictures_ = BuildTilesetPictures(picture);
  }

  static QRgb TileColour(int x, int y) { return qRgb(x * 30, y * 30, 200); }

  void AddTiles(const std::vector<int>& codes) {
    for (int code : codes) {
      TileDef& tile = catalogue_.TileDefs[static_cast<std::size_t>(code)];
      tile.Desc = "Tile " + std::to_string(code);
      tile.X = static_cast<std::int16_t>(code % 8 + 1);
      tile.Y = static_cast<std::int16_t>(code / 8 % 8 + 1);
      catalogue_.PaletteOrder[static_cast<std::size_t>(catalogue_.PaletteCount++)] = static_cast<std::int16_t>(code);
    }
  }

  TileCatalogue catalogue_;
  TilesetPictures pictures_;
};

TEST_F(TilePaletteTest, SetsOutTheButtonsFourToARowInTableOrder) {
  AddTiles({45, 1, 0, 7, 22, 9, 3, 60, 12});
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
}

TEST_F(TilePaletteTest, ShowsEachTilesPictureAndNamesItInItsTooltip) {
  AddTiles({45, 1, 9});
  catalogue_.TileDefs[9].X = 12;  // beyond the picture: a black tile
  TilePalette palette(catalogue_, pictures_);
  for (const auto& [code, colour] : {std::pair{45, TileColour(6, 6)}, std::pair{1, TileColour(2, 1)}, std::pair{9, qRgb(0, 0, 0)}}) {
    QAbstractButton* button = palette.TileButton(code);
    EXPECT_EQ(button->toolTip(), QString(" Tile %1 ").arg(code));
    const QImage shown = button->grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0), colour) << code;
    EXPECT_EQ(shown.pixel(31, 31), colour) << code;
  }
}

TEST_F(TilePaletteTest, ReportsPressReleaseAndMovesWithTheTileCode) {
  AddTiles({45, 1});
  TilePalette palette(catalogue_, pictures_);
  std::vector<std::pair<int, Qt::MouseButton>> down;
  std::vector<std::pair<int, Qt::MouseButton>> up;
  std::vector<int> moved;
  QObject::connect(&palette, &TilePalette::TileMouseDown, [&](int code, Qt::MouseButton b) { down.emplace_back(code, b); });
  QObject::connect(&palette, &TilePalette::TileMouseUp, [&](int code, Qt::MouseButton b) { up.emplace_back(code, b); });
  QObject::connect(&palette, &TilePalette::TileMouseMove, [&](int code) { moved.push_back(code); });
  QAbstractButton* button = palette.TileButton(1);
  for (const auto& [type, pressed] : {std::pair{QEvent::MouseButtonPress, Qt::RightButton},
                                      std::pair{QEvent::MouseButtonRelease, Qt::RightButton},
                                      std::pair{QEvent::MouseMove, Qt::NoButton}}) {
    QMouseEvent event(type, QPointF(5, 5), QPointF(5, 5), pressed, pressed, Qt::NoModifier);
    QApplication::sendEvent(button, &event);
  }
  EXPECT_EQ(down, (std::vector<std::pair<int, Qt::MouseButton>>{{1, Qt::RightButton}}));
  EXPECT_EQ(up, (std::vector<std::pair<int, Qt::MouseButton>>{{1, Qt::RightButton}}));
  EXPECT_EQ(moved, std::vector<int>{1});
}

}  // namespace
}  // namespace brolt::editor
