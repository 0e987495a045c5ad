#pragma once
// The editor's tileset picture: 256 x 256 pixels of 8 x 8 tiles of 32 x 32, the catalogue's tiles
// in order, each drawn from the game's own sheets on black.
#include <QImage>
#include <vector>

#include "tools/content/database/tile_catalogue.h"
#include "tools/content/pictures/textures.h"

namespace brolt::content {

QImage DrawEditorTileset(const std::vector<TileRow>& tiles, const std::vector<GamePicture>& pictures);

}  // namespace brolt::content
