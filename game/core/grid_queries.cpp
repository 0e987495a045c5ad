#include "game/core/grid_queries.h"

#include "game/core/game.h"

namespace brolt {

CellKind GetCellKind(const Game& game, int x, int y) {
  const LevelCell& cell = game.level.Grid(x, y);
  switch (cell.Type) {
    case ObjEmpty:
    case ObjVacated:
      return CellEmpty;
    case ObjBlast:
    case ObjCannonShot:
    case ObjThresherShot:
    case ObjShotBlast:
      return cell.AnimTime <= cell.AnimEnd / 2.0f ? CellBlastFirstHalf : CellBlastSecondHalf;
    default:
      return CellOccupied;
  }
}

bool IsCellOccupied(const Game& game, int x, int y) {
  return game.level.Grid(x, y).Type != ObjEmpty && GetCellKind(game, x, y) != CellBlastSecondHalf;
}

}  // namespace brolt
