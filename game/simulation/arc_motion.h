#pragma once
// A creature's quarter-arc step around a corner.
namespace brolt {

struct Game;

// One frame of the arc of the creature in (x, y); sense 1 for AnimArc, -1 for AnimArcBack.
void AnimateArc(Game& game, int x, int y, int sense);

}  // namespace brolt
