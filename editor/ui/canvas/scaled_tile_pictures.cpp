#include "editor/ui/canvas/scaled_tile_pictures.h"

namespace brolt::editor {

const QPixmap& ScaledTilePictures::Picture(const TileDef& tile, int direction, int side) {
  if (side != side_) {
    scaled_.clear();
    side_ = side;
  }
  const QImage& source = pictures_.ForDirection(direction);
  const int item = &source - pictures_.imgBuffer.data();
  // A picture's place and item identify it: tiles that share a picture share its stretched copy.
  const std::uint64_t key = static_cast<std::uint64_t>(item) << 32 |
                            static_cast<std::uint64_t>(static_cast<std::uint16_t>(tile.X)) << 16 |
                            static_cast<std::uint64_t>(static_cast<std::uint16_t>(tile.Y));
  auto found = scaled_.find(key);
  if (found == scaled_.end()) {
    // Nearest pixels, as a plain stretched copy gives them, in the window's own pixel format so that
    // drawing is a plain copy.
    const QImage scaled = source.copy(TilesetPictures::TileSource(tile))
                              .scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    found = scaled_.emplace(key, QPixmap::fromImage(scaled)).first;
  }
  return found->second;
}

}  // namespace brolt::editor
