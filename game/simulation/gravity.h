#pragma once
// Falling and rolling: the heavy objects at rest decide whether to fall, and their motions run here.
//
// A fall or roll is a motion of the motion engine: the object moves into its target cell at once,
// drawn with an offset back toward its old cell that runs to 0, and leaves a vacated cell behind.
// A long fall is a chain of one-cell falls, each started by the object at rest in the frame after
// the last one ended.
namespace brolt {

struct Game;

// The decision of a heavy object at rest: fall, roll off something round (the two sides taken in
// turn, game-wide), sink into a rock generator beneath, or stay. ObjRockUp falls upward
// (UpdateFallerUp).
void UpdateFaller(Game& game, int x, int y);
void UpdateFallerUp(Game& game, int x, int y);
// The decision of a bomb at rest: it falls only into an empty cell, and only when nothing beside or
// above holds it.
void UpdateBomb(Game& game, int x, int y);

// Starts a fall of the object in (x, y) to the cell below; creatures that lose their hold fall too.
void StartFallDown(Game& game, int x, int y);

// One frame of a fall of one cell, down and up.
void AnimateFall(Game& game, int x, int y);
void AnimateFallUp(Game& game, int x, int y);
// One frame of a roll off a round object; sense -1 to the left, 1 to the right; step is the
// motion's turn in degrees per frame.
void AnimateRoll(Game& game, int x, int y, int sense, float radiusX, float radiusY, int step);
void AnimateRollUp(Game& game, int x, int y, int sense, float radiusX, float radiusY, int step);

// What an object that comes to rest in (x, y) does about the cell beneath it, once anything it
// crushed there has exploded: the landing rules on the last frame of a downward fall or roll.
enum class Landing {
  Rests,
  // An explosive with a free cell beneath: it falls on in the next frame.
  FallsOn,
  // An explosive landed on something: it explodes in its own cell.
  ExplodesHere,
  // A faller landed on an armored unid, which cracks.
  CracksBelow,
};
Landing LandingOutcome(const Game& game, int x, int y);

// The landing rules: on the last frame of a downward fall or roll into (x, y), the object crushes
// (explodes) a blocking object beneath it, then does what LandingOutcome tells. Other frames pass.
void ApplyLanding(Game& game, int x, int y);

}  // namespace brolt
