#pragma once
// A tileset picture for tests: 8 x 8 tiles of 32 x 32, each a plain colour from its place, and the
// turned items 1..4 told apart by their blue, so that a test can tell which tile and which
// direction a cell shows. A catalogue whose tile c sits at place c of the picture goes with it.
#include <QColor>
#include <QImage>

#include "editor/model/services/tile_catalogue.h"
#include "editor/ui/canvas/tileset_pictures.h"

namespace brolt::testing {

inline QColor SyntheticTileColour(int column, int row, int item) {
  return QColor(column * 28 + 10, row * 28 + 10, item * 50);
}

inline editor::TilesetPictures SyntheticTileset() {
  editor::TilesetPictures pictures;
  for (int item = 0; item < 5; ++item) {
    QImage image(8 * editor::kTilePixels, 8 * editor::kTilePixels, QImage::Format_RGB32);
    for (int column = 1; column <= 8; ++column) {
      for (int row = 1; row <= 8; ++row) {
        for (int x = 0; x < editor::kTilePixels; ++x) {
          for (int y = 0; y < editor::kTilePixels; ++y) {
            image.setPixelColor((column - 1) * editor::kTilePixels + x, (row - 1) * editor::kTilePixels + y,
                                SyntheticTileColour(column, row, item));
          }
        }
      }
    }
    pictures.imgBuffer[static_cast<std::size_t>(item)] = image;
  }
  return pictures;
}

// Tile c (1..64) at column (c - 1) % 8 + 1 and row (c - 1) / 8 + 1, minimap colour c % 16.
inline void FillSyntheticCatalogue(editor::TileCatalogue& tiles) {
  for (int code = 1; code <= 64; ++code) {
    editor::TileDef& tile = tiles.TileDefs[static_cast<std::size_t>(code)];
    tile.X = static_cast<std::int16_t>((code - 1) % 8 + 1);
    tile.Y = static_cast<std::int16_t>((code - 1) / 8 + 1);
    tile.Mini = static_cast<std::int16_t>(code % 16);
  }
}

}  // namespace brolt::testing
