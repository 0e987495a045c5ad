#include "game/core/grid_queries.h"

#include <gtest/gtest.h>

#include "game/core/cell_construction.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::TestGame;

TEST(GridQueriesTest, KindAndOccupationOfEachSortOfCell) {
  TestGame t;
  t.LoadTiles({{1, 1, 1}});
  LevelGrid& grid = t.game.level.Grid;
  auto place = [&](int x, int type, float animTime, float animEnd) {
    grid(x, 5) = MakeCell(t.game, type);
    grid(x, 5).AnimTime = animTime;
    grid(x, 5).AnimEnd = animEnd;
  };
  place(2, ObjVacated, 1, 4);
  place(3, ObjRock, 0, 0);
  place(4, ObjBlast, 16, 32);
  place(5, ObjBlast, 16.5f, 32);
  place(6, ObjBlastB, 20, 32);
  place(7, ObjThresherShot, 3, 4);
  place(8, ObjShotBlast, 0, 0);
  struct Case {
    int x;
    CellKind kind;
    bool occupied;
  };
  const Case cases[] = {
      {1, CellEmpty, false},          {2, CellEmpty, true},
      {3, CellOccupied, true},        {4, CellBlastFirstHalf, true},
      {5, CellBlastSecondHalf, false}, {6, CellOccupied, true},
      {7, CellBlastSecondHalf, false}, {8, CellBlastFirstHalf, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetCellKind(t.game, c.x, 5), c.kind) << c.x;
    EXPECT_EQ(IsCellOccupied(t.game, c.x, 5), c.occupied) << c.x;
  }
  EXPECT_EQ(GetCellKind(t.game, 1000, 5), CellEmpty);
  EXPECT_FALSE(IsCellOccupied(t.game, -1000, 5));
}

}  // namespace
}  // namespace brolt
