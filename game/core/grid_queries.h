#pragma once
// The questions the rules ask about one cell of the grid. They read the cell as the current frame
// has left it and change nothing. Cells outside the grid read as empty.
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

// Something stands in the cell that is not a fading blast; a vacated cell counts as occupied.
bool IsCellOccupied(const Game& game, int x, int y);

}  // namespace brolt
