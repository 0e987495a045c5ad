#pragma once
// The questions the rules ask about one cell of the grid. They read the cell as the current frame
// has left it and change nothing. Cells outside the grid read as empty.
//
// Blast and shot cells fade over their animation; several answers depend on whether AnimTime is
// before or after half of AnimEnd (that half taken in single precision).
namespace brolt {

struct Game;

// What stands in the cell: 0 nothing (empty or vacated), 1 a blast or shot in the first half of
// its animation (AnimTime up to half of AnimEnd), 2 one in its second half, which the callers treat
// as passable; -1 anything else.
enum CellKind : int {
  CellOccupied = -1,
  CellEmpty = 0,
  CellBlastFirstHalf = 1,
  CellBlastSecondHalf = 2,
};
CellKind GetCellKind(const Game& game, int x, int y);

// A falling object may enter: empty, a shot, or a blast late enough in its fading (later at slower
// game speeds). A blast that will turn into a unid never is; neither is a vacated cell.
bool IsFreeForFalling(const Game& game, int x, int y);

// The cell holds something a bomb sticks to: anything but the Thresher, a bomb, a blast or cannon
// shot, a creature or a faller.
bool IsBombSupport(const Game& game, int x, int y);

// The Thresher is in plain sight along the row or the column, with nothing but empty cells (or
// other Thresher cells) between.
bool CanSeePlayer(const Game& game, int x, int y);

// Whether the object at (fromX, fromY) may move into (toX, toY).
enum MoveTarget : int {
  MoveBlocked = 0,
  MoveIntoEmpty = 1,
  // A key block into the key hole of its own colour.
  MoveIntoKeyHole = 2,
};
MoveTarget CanMoveTo(const Game& game, int fromX, int fromY, int toX, int toY);

// Something stands in the cell that is not a fading blast; a vacated cell counts as occupied.
bool IsCellOccupied(const Game& game, int x, int y);

// Occupied by something that is not a creature.
bool IsCellSolid(const Game& game, int x, int y);

// A shot or a landing object sets this cell off: the Thresher, an explosive, a bomb, the rock that
// explodes on landing, or a creature.
bool IsBlockingCell(const Game& game, int x, int y);

// Entering the cell kills the Thresher: a creature, or a blast or cannon shot in the first half of
// its animation (strictly before the half).
bool IsDeadlyForPlayer(const Game& game, int x, int y);

// The Thresher may walk into the cell: it is empty, vacated, grass, a unid or a power-up, or a
// blast or shot past the half of its animation (strictly); and it lies inside the level.
bool CanPlayerEnter(const Game& game, int x, int y);

bool IsSidePushableAt(const Game& game, int x, int y);

}  // namespace brolt
