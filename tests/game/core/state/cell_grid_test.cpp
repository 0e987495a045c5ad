#include "game/core/state/cell_grid.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>

#include "game/core/level/cell_construction.h"
#include "game/core/state/level_cell.h"
#include "game/core/state/level_state.h"

namespace brolt {
namespace {

TEST(CellGridTest, NegativeCoordinatesAreCellsOfTheirOwn) {
  LevelGrid grid(GridBounds{-2, 2, -3, 1});
  int type = 1;
  for (int y = -3; y <= 1; ++y)
    for (int x = -2; x <= 2; ++x) grid(x, y).Type = static_cast<std::int16_t>(type++);
  type = 1;
  for (int y = -3; y <= 1; ++y)
    for (int x = -2; x <= 2; ++x) EXPECT_EQ(grid(x, y).Type, type++) << x << "," << y;
}

TEST(CellGridTest, OutsideTheBoundsReadsEmptyAndWritesAreLost) {
  LevelGrid grid(LevelGridBounds());
  LevelCell rock;
  rock.Type = 20;
  for (auto [x, y] : {std::pair{-11, 0}, std::pair{61, 0}, std::pair{0, -9}, std::pair{0, 59},
                      std::pair{-40000, 40000}, std::pair{INT_MIN, 0}, std::pair{0, INT_MAX},
                      std::pair{INT_MAX, INT_MIN}}) {
    grid.Set(x, y, rock);
    grid(x, y).Type = 20;
    EXPECT_EQ(grid(x, y), LevelCell{}) << x << "," << y;
    EXPECT_EQ(static_cast<const LevelGrid&>(grid)(x, y), LevelCell{});
    EXPECT_FALSE(grid.Contains(x, y));
  }
  // No write leaked into a cell of the grid.
  for (int y = -8; y <= 58; ++y)
    for (int x = -10; x <= 60; ++x) ASSERT_EQ(grid(x, y), LevelCell{}) << x << "," << y;

  const FloorLayer none;
  EXPECT_EQ(none(0, 0), FloorCell{});
}

TEST(CellGridTest, AResetEmptiesEveryCellWithinTheNewBounds) {
  FloorLayer floor(GridBounds{0, 1, 0, 1});
  floor(1, 1) = MakeFloorCell(FloorForce, 1, 0);
  floor.Reset(GridBounds{0, 1, 0, 1});
  EXPECT_EQ(floor(1, 1), FloorCell{});
  for (const GridBounds bounds : {GridBounds{-2, 2, -3, 1}, GridBounds{0, 3, 0, 0}}) {
    LevelGrid grid(GridBounds{-2, 2, -3, 1});
    for (int y = -3; y <= 1; ++y)
      for (int x = -2; x <= 2; ++x) {
        grid(x, y).Type = 20;
        grid(x, y).AnimTime = 1.5f;
        grid(x, y).CrawlerFlag = true;
      }
    grid.Reset(bounds);
    EXPECT_EQ(grid.Bounds(), bounds);
    for (int y = -4; y <= 2; ++y)
      for (int x = -3; x <= 4; ++x) {
        EXPECT_EQ(grid(x, y), LevelCell{}) << x << "," << y;
        EXPECT_EQ(grid.Contains(x, y), x >= bounds.MinX && x <= bounds.MaxX && y >= bounds.MinY && y <= bounds.MaxY);
      }
  }
}

TEST(CellGridTest, AResetAroundABlockEmptiesAllButTheBlock) {
  const GridBounds bounds{-3, 4, -2, 3};
  for (const GridBounds keep : {GridBounds{0, 1, 0, 2}, GridBounds{-5, 9, 1, 1}, GridBounds{2, 9, -9, 0}, GridBounds{}}) {
    LevelGrid grid(bounds);
    for (int y = -2; y <= 3; ++y)
      for (int x = -3; x <= 4; ++x) {
        // Every kind of field, and a cell equal to an empty one that still holds a negative zero.
        LevelCell& cell = grid(x, y);
        switch ((x + 3 + 8 * (y + 2)) % 4) {
          case 0: cell.Type = 20; break;
          case 1: cell.AnimTime = 1.5f; break;
          case 2: cell.CrawlerFlag = true; break;
          case 3: cell.Scale = -0.0f; break;
        }
      }
    const LevelGrid before = grid;
    grid.ResetAround(bounds, keep);
    for (int y = -2; y <= 3; ++y)
      for (int x = -3; x <= 4; ++x) {
        const bool kept = x >= keep.MinX && x <= keep.MaxX && y >= keep.MinY && y <= keep.MaxY;
        if (kept) {
          EXPECT_EQ(grid(x, y), before(x, y)) << x << "," << y;
        } else {
          EXPECT_EQ(grid(x, y), LevelCell{}) << x << "," << y;
          EXPECT_FALSE(std::signbit(grid(x, y).Scale)) << x << "," << y;
        }
      }
  }
}

TEST(CellGridTest, ASpanIsARowOfCellsWithinTheBounds) {
  LevelGrid grid(GridBounds{-2, 2, -3, 1});
  for (int x = -2; x <= 2; ++x) grid(x, -1).Type = static_cast<std::int16_t>(x + 10);
  LevelCell* span = grid.Span(-1, 2, -1);
  ASSERT_NE(span, nullptr);
  for (int x = -1; x <= 2; ++x) EXPECT_EQ(span[x + 1].Type, x + 10);
  span[0].Type = 30;
  EXPECT_EQ(grid(-1, -1).Type, 30);
  for (const auto& [first, last, y] : {std::tuple{-3, 0, 0}, std::tuple{0, 3, 0}, std::tuple{0, 0, 2}, std::tuple{0, 0, -4}}) {
    EXPECT_EQ(grid.Span(first, last, y), nullptr) << first << ".." << last << "," << y;
    EXPECT_EQ(static_cast<const LevelGrid&>(grid).Span(first, last, y), nullptr);
  }
  EXPECT_EQ(LevelGrid().Span(0, 0, 0), nullptr);
}

}  // namespace
}  // namespace brolt
