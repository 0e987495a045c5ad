#pragma once
// The constructors of the grid records. Every object a level load or a rule puts into the grid is
// built by MakeCell, so its table is the one place where an object's starting look, direction,
// scale and random variation are decided.
#include <array>
#include <cstddef>
#include <cstdint>

#include "game/core/state/level_cell.h"

namespace brolt {

struct Game;

// A fresh cell for a tile code or object type. Unknown codes, and codes outside 0..99, give an
// all-zero empty cell (unlike code 0, which has the empty type's picture).
// The random draws are part of the behaviour: 3 for codes 20, 21, 95, 97, 98; 2 for 24, 45,
// 70..74, 96; 1 for 22, 23, 25; none for the others.
LevelCell MakeCell(Game& game, int code);

// MakeCell for the cells of a level being loaded, each written straight into its place. While the
// object definitions stay as they are, a code that draws no random number builds the same cell
// every time, so it is built once and copied after that; the others are built each time, drawing
// as MakeCell draws. Lives no longer than one load.
class LevelCellMaker {
 public:
  explicit LevelCellMaker(Game& game) : game_(game) {}
  // Returns the cell's Type, taken from where the cell was built: reading it back from `cell` would
  // wait for the whole record to reach its place in memory.
  std::int16_t Make(int code, LevelCell& cell) {
    if (code >= 0 && code < kCodes && made_[static_cast<std::size_t>(code)]) {
      const LevelCell& built = built_[static_cast<std::size_t>(code)];
      cell = built;
      return built.Type;
    }
    return MakeFirst(code, cell);
  }

 private:
  static constexpr int kCodes = 100;
  // A code not built before: built now, and kept when it draws nothing.
  std::int16_t MakeFirst(int code, LevelCell& cell);

  Game& game_;
  std::array<LevelCell, kCodes> built_;
  std::array<bool, kCodes> made_{};
};

// The unid that a cracked armored unid becomes: type 21 keeping the angle of the cell at (x, y).
// Any other type gives an all-zero cell.
LevelCell MakeCellKeepingAngle(Game& game, int type, int x, int y);

// A force floor (kind FloorForce) pushing along (dirX, dirY), one of them non-zero; any other kind
// gives plain floor.
FloorCell MakeFloorCell(int kind, int dirX, int dirY);

}  // namespace brolt
