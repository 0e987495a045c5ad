#pragma once
// The tiles' pictures stretched to the cell's inner square at the current zoom, made once per
// picture and zoom, so that a repaint only copies pixels.
#include <QPixmap>
#include <cstdint>
#include <unordered_map>

#include "editor/model/services/tile_catalogue.h"
#include "editor/ui/canvas/tileset_pictures.h"

namespace brolt::editor {

class ScaledTilePictures {
 public:
  explicit ScaledTilePictures(const TilesetPictures& pictures) : pictures_(pictures) {}

  // The tile's picture turned to `direction`, `side` pixels square (side 1 or more).
  const QPixmap& Picture(const TileDef& tile, int direction, int side);

  // Forgets every stretched picture, after the tileset pictures were built again.
  void Clear() { scaled_.clear(); }

 private:
  const TilesetPictures& pictures_;
  int side_ = 0;
  std::unordered_map<std::uint64_t, QPixmap> scaled_;
};

}  // namespace brolt::editor
