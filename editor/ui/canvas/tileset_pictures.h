#pragma once
// The tileset picture, 8 x 8 tiles of 32 x 32, as drawn and turned to each direction: item 0 as
// drawn, item d (1..4) with every tile turned d - 1 quarter turns in place on its square. Built
// once at start-up; every tile drawn later is a 32 x 32 copy out of one of these.
#include <QImage>
#include <QRect>
#include <array>

#include "editor/model/services/tile_catalogue.h"

namespace brolt::editor {

constexpr int kTilePixels = 32;

struct TilesetPictures {
  std::array<QImage, 5> imgBuffer;

  // The square of a tile's picture in any item.
  static QRect TileSource(const TileDef& tile) {
    return QRect((tile.X - 1) * kTilePixels, (tile.Y - 1) * kTilePixels, kTilePixels, kTilePixels);
  }
  // The item that shows a cell turned to `direction` (0 none, 1..4).
  const QImage& ForDirection(int direction) const {
    return imgBuffer[static_cast<std::size_t>(direction >= 1 && direction <= 4 ? direction : 0)];
  }
  // A tile's 32 x 32 picture turned to `direction`; what lies outside the tileset picture is black,
  // so a catalogue row with a position beyond it shows a black tile.
  QImage TileImage(const TileDef& tile, int direction) const { return ForDirection(direction).copy(TileSource(tile)); }
};

}  // namespace brolt::editor
