#include "game/core/level/wall_shaping.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace brolt {
namespace {

using testing::TestGame;
using testing::TilePlacement;

// A wall at (10, 10) with its neighbours, and the piece it should get.
struct ShapeCase {
  const char* name;
  int tile;
  int direction;
  std::vector<TilePlacement> around;
  int frame;
  int row;
  int angle;
};

constexpr int kX = 10;
constexpr int kY = 10;
const TilePlacement kAbove{kX, kY + 1, 10};
const TilePlacement kLeft{kX - 1, kY, 10};
const TilePlacement kRight{kX + 1, kY, 10};
const TilePlacement kBelow{kX, kY - 1, 10};

TEST(ShapeWallsTest, PiecesFollowTheNeighbours) {
  // Plain walls are shown with ObjWallC (picture row 3); pieces are columns 1..6.
  const ShapeCase cases[] = {
      {"inner", 12, 0, {kAbove, kLeft, kRight, kBelow}, 3, 3, 180},
      {"edge open above", 12, 0, {kLeft, kRight, kBelow}, 2, 3, 0},
      {"edge open right", 12, 0, {kAbove, kLeft, kBelow}, 2, 3, 90},
      {"edge open below", 12, 0, {kAbove, kLeft, kRight}, 2, 3, 180},
      {"edge open left", 12, 0, {kAbove, kRight, kBelow}, 2, 3, 270},
      {"corner right below", 12, 0, {kRight, kBelow}, 1, 3, 0},
      {"corner left below", 12, 0, {kLeft, kBelow}, 1, 3, 90},
      {"corner above left", 12, 0, {kAbove, kLeft}, 1, 3, 180},
      {"corner above right", 12, 0, {kAbove, kRight}, 1, 3, 270},
      {"straight up and down", 12, 0, {kAbove, kBelow}, 5, 3, 0},
      {"straight across", 12, 0, {kLeft, kRight}, 5, 3, 90},
      {"end right", 12, 0, {kRight}, 4, 3, 0},
      {"end below", 12, 0, {kBelow}, 4, 3, 90},
      {"end left", 12, 0, {kLeft}, 4, 3, 180},
      {"end above", 12, 0, {kAbove}, 4, 3, 270},
      {"single", 12, 0, {}, 6, 3, 0},
      // A rock generator is a plain wall from its own row, and counts as wall for its neighbours.
      {"rock generator", 39, 0, {{kX + 1, kY, 39}}, 4, 3, 0},
      // Inert tiles, exits and rocks are no walls.
      {"no wall neighbours", 12, 0, {{kX + 1, kY, 85}, {kX, kY - 1, 29}, {kX - 1, kY, 20}}, 6, 3, 0},
      // Shaped walls: placed facing up they look right (F) and left (S) ...
      {"gate up both", 40, 1, {kLeft, kRight}, 1, 2, 0},
      {"gate up F only", 40, 1, {kRight}, 2, 2, 0},
      {"gate up S only", 40, 1, {kLeft}, 3, 2, 0},
      {"gate up neither", 40, 1, {kAbove, kBelow}, 4, 2, 0},
      // ... turned right, below (F) and above (S) ...
      {"gate right F only", 40, 2, {kBelow, kRight}, 2, 2, 90},
      {"gate right S only", 40, 2, {kAbove}, 3, 2, 90},
      // ... turned down, left (F) and right (S); turned left, above (F) and below (S).
      {"gate down F only", 40, 3, {kLeft}, 2, 2, 180},
      {"gate left both", 40, 4, {kAbove, kBelow}, 1, 2, 270},
      {"gate left S only", 40, 4, {kBelow}, 3, 2, 270},
      // Facing codes build the same gate as direction digits.
      {"gate code facing right", 41, 0, {kBelow}, 2, 2, 90},
      // Placed without a direction the gate uses the other half of its sheet, also when a digit
      // turns it, since a digit cannot give it a direction.
      {"plain gate both", 44, 0, {kLeft, kRight}, 5, 2, 0},
      {"plain gate neither", 44, 0, {}, 8, 2, 0},
      {"plain gate turned", 44, 2, {kBelow}, 6, 2, 90},
      // A gate counts as wall for a plain wall, and a plain wall for a gate.
      {"wall beside gate", 12, 0, {{kX + 1, kY, 40}}, 4, 3, 0},
  };
  for (const ShapeCase& c : cases) {
    TestGame t;
    std::vector<TilePlacement> tiles = c.around;
    tiles.push_back({kX, kY, c.tile, c.direction});
    tiles.push_back({1, 1, 1});
    // The one random number, used only by the inner piece: Int(0.6 x 4) x 90 = 180.
    t.random.Script({0.6});
    t.LoadTiles(tiles);
    const LevelCell& cell = t.game.level.Grid(kX, kY);
    EXPECT_EQ(cell.Frame, c.frame) << c.name;
    EXPECT_EQ(cell.FrameRow, c.row) << c.name;
    EXPECT_EQ(cell.Angle, c.angle) << c.name;
  }
}

TEST(ShapeWallsTest, TheLevelsBorderCountsAsOpen) {
  TestGame t;
  t.LoadTiles({{0, 0, 12}, {1, 0, 12}, {49, 49, 12}, {5, 5, 1}});
  EXPECT_EQ(t.game.level.Grid(0, 0).Frame, 4);
  EXPECT_EQ(t.game.level.Grid(0, 0).Angle, 0);
  EXPECT_EQ(t.game.level.Grid(49, 49).Frame, 6);
}

}  // namespace
}  // namespace brolt
