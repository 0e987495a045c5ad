#pragma once
// The light around the Thresher: distance tables built once at start-up, and the light centre that
// the cell drawing moves before it draws each cell's sprites.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace brolt {

// A square table indexed (i, j) from -Reach to Reach both ways, filled at start-up.
struct RadialTable {
  int Reach = 0;
  // Row by row, j = -Reach first. Every corner of every quad drawn reads two of these tables, so
  // their entries are single bytes: the tables stay in the processor's cache.
  std::vector<std::uint8_t> Values;

  // The entry at (i, j). An offset beyond the table reads the table's edge (the corners of the
  // backdrop reach past it); a table not yet built reads 0.
  std::int32_t At(int i, int j) const {
    if (Values.empty()) return 0;
    const int side = 2 * Reach + 1;
    const int column = std::clamp(i, -Reach, Reach) + Reach;
    const int row = std::clamp(j, -Reach, Reach) + Reach;
    return Values[static_cast<std::size_t>(row) * static_cast<std::size_t>(side) + static_cast<std::size_t>(column)];
  }
};

struct LightState {
  // The distance of every offset from the light centre, in world units, rounded. The drawing side
  // calls it LightTable.
  RadialTable DistanceTable;
  // The same values, read by the drawing's depth of sprite corners (which calls it DepthTable).
  RadialTable LightMap;
  // The light centre in the coordinates of the points being drawn, in world units. The drawing side
  // calls them LightCentreX/Y.
  std::int16_t ViewOriginX = 0;
  std::int16_t ViewOriginY = 0;
};

}  // namespace brolt
