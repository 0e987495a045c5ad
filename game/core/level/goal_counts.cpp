#include "game/core/level/goal_counts.h"

#include "game/core/state/game.h"

namespace brolt {

void CountCellGoals(const Game& game, const LevelCell& cell, LevelState& level) {
  if (cell.Type == ObjUnid || cell.Type == ObjArmoredUnid) ++level.UnidCount;
  if (cell.Type == ObjExitPortal || cell.Type == ObjClosedPortal) ++level.PortalCount;
  // The mark a unid blast also leaves on walls and on a shielded Thresher turns them into nothing,
  // so they count for nothing: counted, they would hide a level whose unids are gone.
  const bool marked = cell.Mark == ObjUnid && (cell.Type == ObjGoldUnidGnat || game.ObjectDefs[cell.Type].IsBlast);
  if (marked || cell.Carried == ObjGoldUnidGnat) ++level.UnidCount;
}

void CountGoals(Game& game) {
  LevelState& level = game.level;
  level.UnidCount = 0;
  level.PortalCount = 0;
  // The rows and columns the play update scans.
  constexpr GridBounds scan = FieldScanBounds();
  for (int y = scan.MinY; y <= scan.MaxY; ++y) {
    const LevelCell* cells = level.Grid.Span(scan.MinX, scan.MaxX, y);
    if (cells == nullptr) continue;
    for (int x = scan.MinX; x <= scan.MaxX; ++x) CountCellGoals(game, cells[x - scan.MinX], level);
  }
}

}  // namespace brolt
