#pragma once
// The fixed measures of the game world: the size of a cell in world units, the level's extent in
// cells, and the block of cells the view shows. Set once at start-up and never changed.
#include <cstdint>

namespace brolt {

// World units per cell.
constexpr std::int16_t CellSize = 9;
// Cells of a level across and up. Kept as floats because the scans and bounds are taken from
// rounded float expressions of them.
constexpr float GridWidth = 50.0f;
constexpr float GridHeight = 50.0f;
// Cells the view shows across and up.
constexpr std::int16_t ViewCellsX = 19;
constexpr std::int16_t ViewCellsY = 15;
// Cells the view may show beyond the level's edge (the level drawing calls it ViewMargin).
constexpr std::int16_t DrawMargin = 1;

}  // namespace brolt
