#include "game/simulation/cell_update.h"

#include "game/core/state/game.h"
#include "game/simulation/creatures.h"
#include "game/simulation/devices.h"
#include "game/simulation/gravity.h"

namespace brolt {

void UpdateCell(Game& game, int x, int y) {
  const int fallerType = game.level.Grid(x, y).Type;
  if (game.ObjectDefs[fallerType].Gravity) {
    if (fallerType == ObjRockUp)
      UpdateFallerUp(game, x, y);
    else
      UpdateFaller(game, x, y);
  }
  switch (game.level.Grid(x, y).Type) {
    case ObjAraneaeA: UpdateAraneaeA(game, x, y); break;
    case ObjAraneaeB: UpdateAraneaeB(game, x, y); break;
    case ObjAraneaeC: UpdateAraneaeC(game, x, y); break;
    case ObjGnatA: UpdateGnatA(game, x, y); break;
    case ObjGnatB: UpdateGnatB(game, x, y); break;
    case ObjGnatC:
    case ObjGoldUnidGnat: UpdateGnatC(game, x, y); break;
    case ObjHatcher: UpdateHatcher(game, x, y); break;
    case ObjBomb: UpdateBomb(game, x, y); break;
    case ObjClosedPortal:
      if (game.level.UnidsNeeded == 0) OpenExitPortal(game, x, y);
      break;
    case ObjCannon: UpdateCannon(game, x, y); break;
    case ObjRockGenerator: UpdateRockGenerator(game, x, y); break;
    case ObjSwitch:
      // ObjSwitchB's picture does not follow the switches.
      game.level.Grid(x, y).Frame = game.devices.SwitchState ? 7 : 8;
      break;
    default:
      break;
  }
}

}  // namespace brolt
