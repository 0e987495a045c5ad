#pragma once
// Explosions and shots.
namespace brolt {

struct Game;

// An explosion centred on cell (x, y), as wide as that cell's ExplodeRadius.
void ExplodeAt(Game& game, int x, int y);

// A cannon's shot enters cell (x, y) travelling (dx, dy).
void FireCannonShot(Game& game, int x, int y, int dx, int dy);

// One frame of a blast cell fading out, and of a shot in flight.
void AnimateBlast(Game& game, int x, int y);
void AnimateShotFlight(Game& game, int x, int y);

// The Thresher fires: his shot enters (x, y), flying along (dx, dy).
void FirePlayerShot(Game& game, int x, int y, int dx, int dy);

}  // namespace brolt
