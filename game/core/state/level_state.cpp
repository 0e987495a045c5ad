#include "game/core/state/level_state.h"

#include "common/numeric.h"
#include "game/core/state/world_geometry.h"

namespace brolt {

GridBounds LevelGridBounds() {
  // Half the view beyond each edge, so the view at the level's edge never leaves the array.
  const double halfViewX = ViewCellsX / 2.0;
  const double halfViewY = ViewCellsY / 2.0;
  return {static_cast<int>(-RoundHalfEven(halfViewX)), static_cast<int>(RoundHalfEven(halfViewX + GridWidth)),
          static_cast<int>(-RoundHalfEven(halfViewY)), static_cast<int>(RoundHalfEven(halfViewY + GridHeight))};
}

void ResetLevelGrids(LevelState& level) {
  const GridBounds bounds = LevelGridBounds();
  level.Grid.Reset(bounds);
  level.FloorGrid.Reset(bounds);
  level.CheckpointGrid.Reset(bounds);
}

GridBounds LevelFieldBounds() {
  return {0, static_cast<int>(RoundHalfEven(GridWidth - 1)), 0, static_cast<int>(RoundHalfEven(GridHeight - 1))};
}

bool IsInsideLevel(int x, int y) {
  // Asked for every cell an explosion or a step of the Thresher looks at.
  static const GridBounds field = LevelFieldBounds();
  return x >= field.MinX && x <= field.MaxX && y >= field.MinY && y <= field.MaxY;
}

void ResetLevelGridsAroundField(LevelState& level) {
  const GridBounds bounds = LevelGridBounds();
  level.Grid.ResetAround(bounds, LevelFieldBounds());
  level.FloorGrid.Reset(bounds);
  level.CheckpointGrid.Reset(bounds);
}

}  // namespace brolt
