#pragma once
// The small picture of a level that the load dialog and level management show: one dot per
// non-empty cell in the tile's minimap colour, keyed by the collection and slot it shows.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/level_record.h"
#include "editor/model/services/tile_catalogue.h"

namespace brolt::editor {

struct LevelPreview {
  bool HasData = false;  // false shows "No Data": there is no record
  std::string File;      // the level on show, by collection and slot
  int Slot = 0;
  // Per cell, index 50 x row + column: the tile's minimap colour 0..15, or -1 for an empty cell.
  std::array<std::int8_t, kLevelCells> Colours{};
};

LevelPreview MakeLevelPreview(std::string_view record, const TileCatalogue& tiles);

}  // namespace brolt::editor
