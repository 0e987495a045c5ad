#include "game/core/level/grid_queries.h"

#include "common/numeric.h"
#include "game/core/state/game.h"
#include "game/core/state/level_state.h"

namespace brolt {

namespace {

bool IsBlastOrShot(int type) {
  return type == ObjBlast || type == ObjCannonShot || type == ObjThresherShot || type == ObjShotBlast;
}

// Half of the cell's animation, in single precision as the comparisons take it.
float HalfAnim(const LevelCell& cell) { return cell.AnimEnd / 2.0f; }

// Walks from the cell beside (x, y) toward the Thresher's cell `end`, that cell included, one step
// of (dx, dy) at a time; anything but empty or Thresher cells blocks the sight. The Thresher right
// beside is seen at once.
bool ScanTowardPlayer(const Game& game, int x, int y, int dx, int dy, int end) {
  const int start = dx != 0 ? x + dx : y + dy;
  const int step = dx != 0 ? dx : dy;
  if (start == end) return true;
  for (int i = start; step < 0 ? i >= end : i <= end; i += step) {
    const int type = dx != 0 ? game.level.Grid(i, y).Type : game.level.Grid(x, i).Type;
    if (type != ObjEmpty && type != ObjThresher) return false;
  }
  return true;
}

}  // namespace

CellKind GetCellKind(const Game& game, int x, int y) {
  const LevelCell& cell = game.level.Grid(x, y);
  if (cell.Type == ObjEmpty || cell.Type == ObjVacated) return CellEmpty;
  if (IsBlastOrShot(cell.Type)) return cell.AnimTime <= HalfAnim(cell) ? CellBlastFirstHalf : CellBlastSecondHalf;
  return CellOccupied;
}

bool IsFreeForFalling(const Game& game, int x, int y) {
  const LevelCell& cell = game.level.Grid(x, y);
  switch (cell.Type) {
    case ObjEmpty:
    case ObjCannonShot:
    case ObjThresherShot:
      return true;
    case ObjBlast: {
      if (cell.Mark == ObjUnid || cell.Carried == ObjUnid) return false;
      // At game speed 9 the blast is free after half its animation, at speed 5 after 82 percent.
      const double half = HalfAnim(cell);
      const float freeAfter = static_cast<float>(half * (9 - game.settings.GameSpeed) * 0.16 + half);
      return freeAfter < cell.AnimTime;
    }
    default:
      return false;
  }
}

bool IsBombSupport(const Game& game, int x, int y) {
  const int type = game.level.Grid(x, y).Type;
  const ObjectDef& def = game.ObjectDefs[type];
  if (type == ObjEmpty || type == ObjThresher || type == ObjBomb || type == ObjBlast || type == ObjCannonShot)
    return false;
  return !def.IsCreature && !def.Gravity;
}

bool CanSeePlayer(const Game& game, int x, int y) {
  const float playerX = game.level.PlayerX;
  const float playerY = game.level.PlayerY;
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  const int endX = static_cast<int>(RoundHalfEven(playerX));
  const int endY = static_cast<int>(RoundHalfEven(playerY));
  if (playerY == fy && playerX < fx) return ScanTowardPlayer(game, x, y, -1, 0, endX);
  if (playerY == fy && playerX > fx) return ScanTowardPlayer(game, x, y, 1, 0, endX);
  if (playerX == fx && playerY < fy) return ScanTowardPlayer(game, x, y, 0, -1, endY);
  if (playerX == fx && playerY > fy) return ScanTowardPlayer(game, x, y, 0, 1, endY);
  return false;
}

MoveTarget CanMoveTo(const Game& game, int fromX, int fromY, int toX, int toY) {
  const int from = game.level.Grid(fromX, fromY).Type;
  const int to = game.level.Grid(toX, toY).Type;
  if (to == ObjEmpty) return MoveIntoEmpty;
  const bool ownKeyHole = (from == ObjKeyBlockA && to == ObjKeyHoleA) || (from == ObjKeyBlockB && to == ObjKeyHoleB) ||
                          (from == ObjKeyBlockC && to == ObjKeyHoleC);
  return ownKeyHole ? MoveIntoKeyHole : MoveBlocked;
}

bool IsCellOccupied(const Game& game, int x, int y) {
  return game.level.Grid(x, y).Type != ObjEmpty && GetCellKind(game, x, y) != CellBlastSecondHalf;
}

bool IsCellSolid(const Game& game, int x, int y) {
  const int type = game.level.Grid(x, y).Type;
  return type != ObjEmpty && !game.ObjectDefs[type].IsCreature && GetCellKind(game, x, y) != CellBlastSecondHalf;
}

bool IsBlockingCell(const Game& game, int x, int y) {
  const int type = game.level.Grid(x, y).Type;
  return type == ObjThresher || type == ObjFallingExplosive || type == ObjBomb || type == ObjRockB ||
         game.ObjectDefs[type].IsCreature;
}

bool IsDeadlyForPlayer(const Game& game, int x, int y) {
  const LevelCell& cell = game.level.Grid(x, y);
  if (game.ObjectDefs[cell.Type].IsCreature) return true;
  const bool blast = cell.Type == ObjBlast || cell.Type == ObjCannonShot || cell.Type == ObjBlastB;
  return blast && cell.AnimTime < HalfAnim(cell);
}

bool CanPlayerEnter(const Game& game, int x, int y) {
  const LevelCell& cell = game.level.Grid(x, y);
  bool enterable = false;
  switch (cell.Type) {
    case ObjEmpty:
    case ObjUnid:
    case ObjGrass:
    case ObjFreezePowerup:
    case ObjShieldPowerup:
    case ObjCheckpointPowerup:
    case ObjBombPowerup:
    case ObjShotPowerup:
    case ObjVacated:
      enterable = true;
      break;
    default:
      enterable = IsBlastOrShot(cell.Type) && cell.AnimTime > HalfAnim(cell);
      break;
  }
  return enterable && IsInsideLevel(x, y);
}

bool IsSidePushableAt(const Game& game, int x, int y) {
  return game.ObjectDefs[game.level.Grid(x, y).Type].SidePushable;
}

}  // namespace brolt
