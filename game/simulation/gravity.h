#pragma once
// Falling and rolling: the heavy objects at rest decide whether to fall, and their motions run here.
namespace brolt {

struct Game;

// The decision of a heavy object at rest: fall, roll off something round, or stay. ObjRockUp falls
// upward (UpdateFallerUp).
void UpdateFaller(Game& game, int x, int y);
void UpdateFallerUp(Game& game, int x, int y);
// The decision of a bomb at rest: it falls only when nothing beside or above holds it.
void UpdateBomb(Game& game, int x, int y);

// Starts a fall of the object in (x, y) to (x, y - 1).
void StartFallDown(Game& game, int x, int y);

// One frame of a fall of one cell, down and up.
void AnimateFall(Game& game, int x, int y);
void AnimateFallUp(Game& game, int x, int y);
// One frame of a roll off a round object; sense -1 to the left, 1 to the right; step is the
// motion's turn in degrees per frame.
void AnimateRoll(Game& game, int x, int y, int sense, float radiusX, float radiusY, int step);
void AnimateRollUp(Game& game, int x, int y, int sense, float radiusX, float radiusY, int step);

}  // namespace brolt
