#include "game/simulation/crushing.h"

#include "game/core/state/game.h"
#include "game/simulation/explosions.h"

namespace brolt {

bool CrushedFromAbove(Game& game, int x, int y) {
  const LevelCell& above = game.level.Grid(x, y + 1);
  if (above.AnimTime <= 0.0f || !game.ObjectDefs[above.Type].Gravity) return false;
  ExplodeAt(game, x, y);
  return true;
}

}  // namespace brolt
