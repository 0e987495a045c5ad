#pragma once
// Explosions and shots: blasts replace what may be destroyed, set off what explodes in turn after a
// delay, and fade; shots hand themselves on from cell to cell, leaving a fading trail, until they
// hit something.
namespace brolt {

struct Game;

// An explosion centred on cell (x, y), as wide as that cell's ExplodeRadius. A shielded Thresher is
// spared unless the shield is disabled; the Thresher's and a gold unid gnat's blasts turn into unids.
void ExplodeAt(Game& game, int x, int y);

// A shot enters cell (x, y) travelling (dx, dy): it sets off what explodes, hits what may be
// destroyed, or flies on. The cannon's and the Thresher's shots differ only in their pictures.
void FireCannonShot(Game& game, int x, int y, int dx, int dy);
void FirePlayerShot(Game& game, int x, int y, int dx, int dy);

// One frame of a blast cell fading out, and of a shot in flight.
void AnimateBlast(Game& game, int x, int y);
void AnimateShotFlight(Game& game, int x, int y);

// The step the blast and shot pictures take on every tick: they grow a little at random and turn.
void GrowAndSpin(Game& game, int x, int y);

}  // namespace brolt
