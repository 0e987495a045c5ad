#pragma once
// The level being played: the object grid, the floor layer and the checkpoint copy, and the words
// that a level load takes from the record's header. The level's time limit, TimeLeft, is kept with
// the level clock (frame_timing.h).
#include <array>
#include <cstdint>
#include <string>

#include "common/level_record.h"
#include "game/core/state/cell_grid.h"
#include "game/core/state/level_cell.h"
#include "game/core/state/world_geometry.h"

namespace brolt {

using LevelGrid = CellGrid<LevelCell>;
using FloorLayer = CellGrid<FloorCell>;

// The checkpoint copy of the grid. Every load empties it, and most levels never save one, so it
// remembers whether anything was written to it since it was last emptied and a load skips reading
// its 300 KB when nothing was. Every write goes through here; readers see it as a LevelGrid.
class CheckpointCopy {
 public:
  CheckpointCopy& operator=(const LevelGrid& grid) {
    grid_ = grid;
    written_ = true;
    return *this;
  }
  operator const LevelGrid&() const { return grid_; }

  const GridBounds& Bounds() const { return grid_.Bounds(); }
  const LevelCell& operator()(int x, int y) const { return grid_(x, y); }
  LevelCell& operator()(int x, int y) {
    written_ = true;
    return grid_(x, y);
  }
  void Set(int x, int y, const LevelCell& cell) {
    written_ = true;
    grid_.Set(x, y, cell);
  }

  // LevelGrid::Reset.
  void Reset(GridBounds bounds) {
    if (!written_ && bounds == grid_.Bounds()) return;
    grid_.Reset(bounds);
    written_ = false;
  }

 private:
  LevelGrid grid_;
  // While false, every cell is empty.
  bool written_ = false;
};

struct LevelState {
  // The live level. The level itself is x, y = 0..49 with y growing upward; around it lies a margin
  // of empty cells wide enough for the view at the level's edge (LevelGridBounds).
  LevelGrid Grid;
  FloorLayer FloorGrid;
  // The copy of Grid taken at a checkpoint; emptied by every load.
  CheckpointCopy CheckpointGrid;

  std::string LevelTitle;
  RgbColour LevelColor1;
  RgbColour LevelColor2;
  RgbColour LevelColor3;
  RgbColour LevelColor4;
  // World units. The current radius of the light, grown every frame toward its target.
  std::int16_t LightRadius = 0;
  std::int32_t LightRadiusTarget = 0;
  // Seconds added to the time left for each unid collected.
  std::int16_t UnidAward = 0;
  // Seconds between two shots of a cannon.
  std::int16_t CannonRate = 0;
  // Unids still to collect before the exits open.
  std::int16_t UnidsNeeded = 0;
  // Unids and exit portals (open or closed) in the field, counted at every level start and recounted
  // by every play update (goal_counts.h): no portal left, or fewer unids than needed, means the
  // level can no longer be won.
  std::int16_t UnidCount = 0;
  std::int16_t PortalCount = 0;
  // The Thresher's cell.
  float PlayerX = 0.0f;
  float PlayerY = 0.0f;
  // False for a level loaded without a Thresher (an emptied level space, a short or empty record):
  // nothing can win or lose it, so the player may leave it as he leaves a lost one.
  bool HasThresher = false;
  // White, then the four level colours, as red, green, blue triples. The drawing side calls it
  // LevelColourTable.
  std::array<std::int16_t, 15> ColourTable{};
};

// The bounds every load gives the three grids: x -10..60, y -8..58.
GridBounds LevelGridBounds();

// Re-creates Grid, FloorGrid and CheckpointGrid with the level bounds, all cells empty.
void ResetLevelGrids(LevelState& level);

// The cells of the level itself, x, y = 0..49.
GridBounds LevelFieldBounds();

// The cells that the rules' passes over the whole grid visit: x from 0 to round(GridWidth), y from
// 0 to round(GridHeight). That is the level itself and one row and column past it, which are always
// empty; the bound is the passes' own, apart from the level's.
constexpr GridBounds FieldScanBounds() {
  // Whole extents round to themselves.
  static_assert(GridWidth == static_cast<int>(GridWidth) && GridHeight == static_cast<int>(GridHeight));
  return {0, static_cast<int>(GridWidth), 0, static_cast<int>(GridHeight)};
}

// Whether (x, y) is a cell of the level itself, not of the margin around it: only there may the
// Thresher walk, drop a bomb or a blast make anything.
bool IsInsideLevel(int x, int y);

// ResetLevelGrids for a caller that writes every cell of the level itself into Grid next: those
// cells of Grid may keep what they held until then.
void ResetLevelGridsAroundField(LevelState& level);

}  // namespace brolt
