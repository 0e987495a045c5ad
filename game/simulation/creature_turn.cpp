// A creature's quarter turn in place: started by its update, run by the animation dispatch.
#include "common/numeric.h"
#include "game/core/state/anim_kind.h"
#include "game/core/state/game.h"
#include "game/simulation/arc_motion.h"
#include "game/simulation/creatures.h"
#include "game/simulation/devices.h"

namespace brolt {

void SetMoving(Game& game, int x, int y, int sense, int divisor) {
  LevelCell& cell = game.level.Grid(x, y);
  if (sense == -1 || sense == 1) cell.Moving = static_cast<std::int16_t>(sense);
  const std::int64_t cellsPerSecond = RoundHalfEven(game.ObjectDefs[cell.Type].Speed / static_cast<float>(divisor));
  cell.AnimTime = 1.0f;
  cell.AnimEnd = static_cast<float>(
      RoundHalfEven(static_cast<double>(game.timing.FramesPerSecond) / static_cast<double>(cellsPerSecond)));
  cell.AnimKind = AnimTurn;
}

void AnimateTurn(Game& game, int x, int y) {
  const int sense = game.level.Grid(x, y).Moving;
  TurnCreaturePicture(game, x, y, sense == -1 || sense == 1 ? sense : 0);
}

}  // namespace brolt
