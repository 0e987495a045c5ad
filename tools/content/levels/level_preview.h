#pragma once
// A picture of a level as the game would show it at rest, for people checking the levels: walls
// shaped by their neighbours, every object in its first picture and in its level colour.
#include <QImage>
#include <vector>

#include "common/level_record.h"
#include "tools/content/database/tile_catalogue.h"
#include "tools/content/pictures/textures.h"

namespace brolt::content {

// The part of the level that is not the fill around it, one cell to 32 pixels.
QImage DrawLevelPreview(const LevelRecord& level, const std::vector<TileRow>& tiles,
                        const std::vector<GamePicture>& pictures);

}  // namespace brolt::content
