#pragma once
// One frame of a running level.
namespace brolt {

struct Game;

// Advances the level by one frame: the once-a-second power-up countdown, the rule of every resting
// cell and the small animations of every cell (top row first), the time-out, the Thresher, one step
// of every running motion (bottom row first) while finding the Thresher and counting the unids and
// exit portals left, and last the clearing of the two-cell ring around the field, so that anything
// that left the field is gone at the end of the frame. Resting cells stand still during the
// get-ready second unless the Thresher is dead; the Thresher acts only after it, alive and not on
// the level-complete screen.
void UpdateGame(Game& game);

}  // namespace brolt
