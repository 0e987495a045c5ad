#include "game/core/level/level_orientation.h"

#include "common/numeric.h"
#include "game/core/level/cell_type_map.h"
#include "game/core/level/grid_queries.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

// One clockwise quarter turn of a direction pair, each test reading the old pair:
// up -> right -> down -> left -> up; (0, 0) stays.
template <typename Cell>
void TurnQuarter(Cell& cell) {
  const int oldX = cell.DirX;
  const int oldY = cell.DirY;
  auto set = [&cell](int dirX, int dirY) {
    cell.DirX = static_cast<std::int16_t>(dirX);
    cell.DirY = static_cast<std::int16_t>(dirY);
  };
  if (oldX == -1) set(0, 1);
  if (oldX == 1) set(0, -1);
  if (oldY == -1) set(-1, 0);
  if (oldY == 1) set(1, 0);
}

template <typename Cell>
void TurnByDigit(Cell& cell, int digit) {
  // The angle is set, not added: a cell built with its own angle still gets the digit's angle.
  cell.Angle = static_cast<std::int16_t>((digit - 1) * 90);
  for (int turn = 1; turn < digit; ++turn) TurnQuarter(cell);
}

// The direction a wall-following creature takes when it clings to a neighbour, by creature type.
struct Cling {
  std::int16_t angle;
  std::int16_t dir[3][2];  // for ObjAraneaeA, ObjAraneaeB, ObjAraneaeC
};
constexpr Cling kClingLeft = {90, {{0, -1}, {0, 1}, {0, -1}}};
constexpr Cling kClingRight = {270, {{0, 1}, {0, -1}, {0, 1}}};
constexpr Cling kClingAbove = {180, {{-1, 0}, {1, 0}, {-1, 0}}};

void ApplyCling(LevelCell& cell, const Cling& cling) {
  cell.Angle = cling.angle;
  // The gnats only turn to face the neighbour.
  if (cell.Type < ObjAraneaeA || cell.Type > ObjAraneaeC) return;
  const auto& dir = cling.dir[cell.Type - ObjAraneaeA];
  cell.DirX = dir[0];
  cell.DirY = dir[1];
}

}  // namespace

void ApplyCellDirection(Game& game, int x, int y, int digit, CellLayer layer) {
  if (digit < 1 || digit > 4) return;
  if (layer == LayerFloor) {
    TurnByDigit(game.level.FloorGrid(x, y), digit);
  } else {
    TurnByDigit(game.level.Grid(x, y), digit);
  }
}

void ApplyDirectionDigit(LevelCell& cell, int digit) {
  if (digit >= 1 && digit <= 4) TurnByDigit(cell, digit);
}
void ApplyDirectionDigit(FloorCell& cell, int digit) {
  if (digit >= 1 && digit <= 4) TurnByDigit(cell, digit);
}

void OrientCreatures(Game& game, const CellTypeMap& types) {
  // Turning a creature changes no cell's Type, so the map stays true to the grid all through the
  // pass. An empty cell is never occupied; any other is asked of the grid.
  const auto occupied = [&](int x, int y) { return types(x, y) != ObjEmpty && IsCellOccupied(game, x, y); };
  // One row and column past the level are scanned too; they are always empty.
  constexpr GridBounds scan = FieldScanBounds();
  const TypeTable<bool> creature([&game](int type) { return game.ObjectDefs[type].IsCreature; });
  LevelGrid& grid = game.level.Grid;
  for (int y = scan.MinY; y <= scan.MaxY; ++y) {
    for (int x = scan.MinX; x <= scan.MaxX; ++x) {
      if (!creature[types(x, y)]) continue;
      LevelCell& cell = grid(x, y);
      // 1..9, the ends with half the chance of the others.
      cell.Frame = static_cast<std::int16_t>(RoundHalfEven(game.random().Rnd() * 8 + 1));
      if (occupied(x, y - 1)) continue;
      // Later tests win: above over right over left.
      if (occupied(x - 1, y)) ApplyCling(cell, kClingLeft);
      if (occupied(x + 1, y)) ApplyCling(cell, kClingRight);
      if (occupied(x, y + 1)) ApplyCling(cell, kClingAbove);
    }
  }
}

}  // namespace brolt
