#include "game/core/cell_grid.h"

#include <gtest/gtest.h>

#include "game/core/cell_construction.h"
#include "game/core/level_cell.h"
#include "game/core/level_state.h"

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
                      std::pair{-40000, 40000}}) {
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

TEST(CellGridTest, ARunIsARowOfCellsOnlyWhenItLiesWhollyWithinTheBounds) {
  LevelGrid grid(GridBounds{-2, 2, -3, 1});
  for (int x = -2; x <= 2; ++x) grid(x, 0).Type = static_cast<std::int16_t>(x + 10);
  const LevelCell* run = grid.Run(-1, 0, 3);
  ASSERT_NE(run, nullptr);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(run[i].Type, i + 9) << i;
  EXPECT_EQ(grid.Run(-2, 1, 5), &grid(-2, 1));
  struct Case {
    int x, y, count;
  };
  for (const Case c : {Case{-3, 0, 2}, Case{1, 0, 3}, Case{0, 2, 1}, Case{0, -4, 1}, Case{0, 0, 0}}) {
    EXPECT_EQ(grid.Run(c.x, c.y, c.count), nullptr) << c.x << "," << c.y << " x" << c.count;
  }
  EXPECT_EQ(LevelGrid().Run(0, 0, 1), nullptr);
}

}  // namespace
}  // namespace brolt
