#pragma once
// The rule of one grid cell at rest.
#include "game/core/state/game.h"

namespace brolt {

// Lets a heavy object fall, then hands the cell, as the fall has left it, to the rule of its type:
// creatures, hatchers, bombs, closed exits (which open once no unid is needed), cannons and rock
// generators; a switch shows the switches' position. The Thresher is not run here. The play update
// calls it once per frame for every cell whose AnimTime is 0.
void UpdateCell(Game& game, int x, int y);

// Whether UpdateCell does anything for a cell of this type: the play update skips the others, walls
// above all, which make up much of a level.
inline bool HasRestingRule(const Game& game, int type) {
  if (game.ObjectDefs[type].Gravity) return true;
  switch (type) {
    case ObjAraneaeA:
    case ObjAraneaeB:
    case ObjAraneaeC:
    case ObjGnatA:
    case ObjGnatB:
    case ObjGnatC:
    case ObjGoldUnidGnat:
    case ObjHatcher:
    case ObjBomb:
    case ObjClosedPortal:
    case ObjCannon:
    case ObjRockGenerator:
    case ObjSwitch:
      return true;
    default:
      return false;
  }
}

}  // namespace brolt
