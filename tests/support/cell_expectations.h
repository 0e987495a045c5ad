#pragma once
// Checks of what stands in the cells of a game's grid, naming the cell of each mismatch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/core/state/game.h"

namespace brolt::testing {

// The type expected in one cell.
struct ExpectedType {
  int x;
  int y;
  int type;
};

inline void ExpectTypes(const Game& game, const std::vector<ExpectedType>& cells) {
  for (const ExpectedType& cell : cells)
    EXPECT_EQ(game.level.Grid(cell.x, cell.y).Type, cell.type) << "cell " << cell.x << "," << cell.y;
}

// Every cell of the grid around the level itself (x or y outside 0..49) is empty and unmarked: a
// rule has put nothing where the Thresher can never reach it. Names the first cell that is not.
inline void ExpectNothingOutsideTheLevel(const Game& game, const std::string& when) {
  const GridBounds bounds = game.level.Grid.Bounds();
  for (int y = bounds.MinY; y <= bounds.MaxY; ++y)
    for (int x = bounds.MinX; x <= bounds.MaxX; ++x) {
      if (x >= 0 && x < 50 && y >= 0 && y < 50) continue;
      const LevelCell& cell = game.level.Grid(x, y);
      if (cell.Type == ObjEmpty && cell.Mark == 0 && cell.Carried == 0) continue;
      ADD_FAILURE() << when << ": cell " << x << "," << y << " outside the level holds type " << cell.Type
                    << ", mark " << cell.Mark << ", carried " << cell.Carried;
      return;
    }
}

}  // namespace brolt::testing
