#pragma once
// The editor's level grid: one cell record, and the 51 x 51 map of which columns and rows 0..49 are
// the level. The 51st column and row exist only so that index 50 is never out of range.
#include <array>
#include <cstdint>

namespace brolt::editor {

constexpr int kLevelSize = 50;  // cells each way that belong to the level
constexpr int kMapSize = 51;    // cells each way the map array holds

struct MapCell {
  std::int16_t TileCode = 0;  // 0 empty, else 1..999: the index into TileDefs
  std::int16_t Direction = 0;  // 0 none, 1 up, 2 right, 3 down, 4 left
  std::int16_t MarkerIndex = 0;  // 1 + 50 x + y for a level cell
  bool Selected = false;
  bool operator==(const MapCell&) const = default;
};

// Indexed [x][y]: x the column from the left, y the row from the top.
using LevelMap = std::array<std::array<MapCell, kMapSize>, kMapSize>;

inline bool IsLevelCell(int x, int y) { return x >= 0 && y >= 0 && x < kLevelSize && y < kLevelSize; }

}  // namespace brolt::editor
