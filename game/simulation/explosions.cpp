#include "game/simulation/explosions.h"

#include "game/core/game.h"

namespace brolt {

// The blasts themselves come with the explosions module; until then an explosion is only reported.
void ExplodeAt(Game& game, int x, int y) {
  if (game.explosions.ExplodeWatcher) game.explosions.ExplodeWatcher(x, y);
}

void FireCannonShot(Game&, int, int, int, int) {}
void AnimateBlast(Game&, int, int) {}
void AnimateShotFlight(Game&, int, int) {}
void FirePlayerShot(Game&, int, int, int, int) {}

}  // namespace brolt
