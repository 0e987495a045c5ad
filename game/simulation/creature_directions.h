#pragma once
// Directions relative to a creature's heading (DirX, DirY), shared by the creature rules.
//
// The three procedures read a heading differently when both of its components are set (which a
// wall follower's view of the Thresher below can leave behind): TurnDirectionA reads the x
// component, TurnDirectionB and ProbeTurn the y component. A heading of (0, 0) is left alone by
// TurnDirectionA and gives the all-zero answer of the other two.
namespace brolt {

struct Game;

// A direction relative to the heading (dx, dy), y growing upward.
enum TurnCode : int {
  TurnStraight = 0,       // (dx, dy)
  TurnClockwise = 1,      // (dy, -dx): up -> right -> down -> left
  TurnBack = 2,           // (-dx, -dy)
  TurnAnticlockwise = 3,  // (-dy, dx)
};

// The neighbour in one direction and what stands there; a vacated cell reads as type 0.
struct NeighbourInfo {
  int Type = 0;
  int X = 0;
  int Y = 0;
};

// The kind (GetCellKind) of the cell ahead, behind, or diagonally ahead on one side, with the
// offset of that diagonal cell (0, 0 for ahead and behind).
struct DiagonalProbe {
  int Kind = 0;
  int DX = 0;
  int DY = 0;
};

// Sets the heading of the creature in (x, y) to the direction of `turn`; a code outside 0..3
// changes nothing.
void TurnDirectionA(Game& game, int x, int y, int turn);

// The neighbour of (x, y) in the direction of `turn`; all zero for a code outside 0..3.
NeighbourInfo TurnDirectionB(const Game& game, int x, int y, int turn);

// What lies ahead (0), behind (2), or diagonally ahead on the side of turn 1 or 3; all zero for a
// code outside 0..3.
DiagonalProbe ProbeTurn(const Game& game, int x, int y, int turn);

}  // namespace brolt
