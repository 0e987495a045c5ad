#pragma once
// Advancing the running motions of the grid, one frame at a time.
namespace brolt {

struct Game;

// Runs one frame of the motion of the cell in (x, y): the handler of its AnimKind, then AnimTime
// counts up, and the cell is at rest from the next frame once AnimTime has passed AnimEnd. A motion
// of N frames therefore runs its handler N times, with AnimTime 1 .. N. The play update calls it
// for every cell whose AnimTime is above 0.
void AnimateCell(Game& game, int x, int y);

}  // namespace brolt
