#pragma once
// Checks of what stands in the cells of a game's grid, naming the cell of each mismatch.
#include <gtest/gtest.h>

#include <vector>

#include "game/core/game.h"

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

}  // namespace brolt::testing
