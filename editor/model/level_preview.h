#pragma once
// The small picture of a level that level management shows: one dot per non-empty cell in the
// tile's minimap colour.
#include <array>
#include <cstdint>
#include <string_view>

#include "common/level_record.h"
#include "editor/model/tile_catalogue.h"

namespace brolt::editor {

struct LevelPreview {
  bool noData = true;  // nothing to draw: no record
  // Per cell, index 50 x row + column: the tile's minimap colour 0..15, or -1 for an empty cell.
  std::array<std::int16_t, kLevelCells> mini{};
};

LevelPreview MakeLevelPreview(std::string_view record, const TileCatalogue& tiles);

}  // namespace brolt::editor
