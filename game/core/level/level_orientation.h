#pragma once
// Turning the cells of a freshly loaded level: the direction digit of each cell, and the start
// state of the creatures from what stands around them.
namespace brolt {

struct Game;
struct LevelCell;
struct FloorCell;
class CellTypeMap;

// Which record a direction digit turns.
enum CellLayer : int {
  LayerObject = 1,
  LayerFloor = 2,
};

// Digits 1..4 (up, right, down, left) set the cell's Angle to (digit - 1) x 90 and turn its
// (DirX, DirY) clockwise digit - 1 quarter turns; other digits change nothing.
void ApplyCellDirection(Game& game, int x, int y, int digit, CellLayer layer);
// The same turn given to a record before it goes into its grid.
void ApplyDirectionDigit(LevelCell& cell, int digit);
void ApplyDirectionDigit(FloorCell& cell, int digit);

// Gives every creature a random frame and, unless it stands on something, turns it to cling to the
// occupied neighbour beside or above it.
// `types` holds the Type of every grid cell at x, y = -1..51.
void OrientCreatures(Game& game, const CellTypeMap& types);

}  // namespace brolt
