#include "game/simulation/play_update.h"

#include <cstdint>

#include "common/numeric.h"
#include "game/core/level/goal_counts.h"
#include "game/core/state/game.h"
#include "game/simulation/animate_cell.h"
#include "game/simulation/cell_update.h"
#include "game/simulation/explosions.h"
#include "game/simulation/motion.h"
#include "game/simulation/player.h"

namespace brolt {

namespace {

// The scans run over FieldScanBounds; the ring two cells wide around it is cleared every frame.
constexpr GridBounds kScan = FieldScanBounds();

bool LevelRunning(const Game& game) { return game.timing.GetReadyCount >= game.timing.GetReadyTarget; }

// The resting power-ups and unids turn for as long as the level lasts; the angle is kept within a
// turn so that it can never overflow.
void Turn(LevelCell& cell, int degrees) { cell.Angle = static_cast<std::int16_t>((cell.Angle + degrees) % 360); }

void CountDownPowerUps(Game& game) {
  PlayerState& player = game.player;
  if (!game.timing.SecondTick) return;
  if (player.FreezeTime > 0) --player.FreezeTime;
  if (player.ShieldTime > 0) --player.ShieldTime;
  // A tick every second while a power-up runs.
  if (player.FreezeTime > 0 || player.ShieldTime > 0) QueueSound(game, MENU_MOVE, -1, -1);
}

// What the two scans must look at in a cell of each type, worked out once a frame from the type
// records, so that a cell with nothing to do (a wall above all) costs one table read and one test.
enum TypeNeed : std::uint8_t {
  kRestingRule = 1,    // UpdateCell has a rule for it
  kIdleAnimation = 2,  // UpdateObjectAnimation has a step for it
  kCounted = 4,        // counted as a unid or an exit portal left
};
using TypeNeeds = TypeTable<std::uint8_t>;

TypeNeeds WorkOutTypeNeeds(const Game& game) {
  return TypeNeeds([&game](int type) {
    std::uint8_t need = 0;
    if (type == ObjEmpty) return need;
    if (HasRestingRule(game, type)) need |= kRestingRule;
    if (type == ObjGrass || (type >= ObjKeyBlockA && type <= ObjKeyBlockC) || type == ObjBomb || type == ObjUnid ||
        game.ObjectDefs[type].IdleSpin)
      need |= kIdleAnimation;
    if (type == ObjUnid || type == ObjArmoredUnid || type == ObjExitPortal || type == ObjClosedPortal) need |= kCounted;
    return need;
  });
}

// The idle animations of the object types that have one, and the bomb's fuse.
void UpdateObjectAnimation(Game& game, int x, int y, LevelCell& cell) {
  const FrameTiming& timing = game.timing;
  if (timing.Tick15 == 0 && cell.Type == ObjGrass && ++cell.FrameRow > 8) cell.FrameRow = 1;
  if (timing.Tick30 == 0 && cell.Type >= ObjKeyBlockA && cell.Type <= ObjKeyBlockC) {
    // Key blocks spin by 100 to 150 degrees a tick.
    cell.Angle = RoundToInt16(game.random().Rnd() * 50 + cell.Angle + 100);
    if (cell.Angle > 360) cell.Angle = static_cast<std::int16_t>(cell.Angle - 360);
  }
  if (cell.Type == ObjBomb) {
    // The fuse burns only while the level clock runs; the picture shows the count.
    if (timing.SecondTick) {
      if (cell.Timer > 0) --cell.Timer;
      if (cell.Frame > 1) --cell.Frame;
    }
    if (cell.Timer == 1) ExplodeAt(game, x, y);
  }
  if (game.ObjectDefs[cell.Type].IdleSpin && timing.Tick15 == 0) {
    if (++cell.Frame > 8) cell.Frame = 1;
    Turn(cell, 2);
  }
  if (cell.Type == ObjUnid) {
    AdvanceCellFrame(game, x, y);
    if (timing.Tick30 == 0) Turn(cell, 1);
  }
}

// The per-frame animations of the cell (x, y) that run whether it rests or moves: the chain fuse of
// a blast, grass, spinning key blocks, force floors, bomb fuses, idle power-ups and unids.
void UpdateObjects(Game& game, const TypeNeeds& needs, int x, int y, LevelCell& cell, FloorCell& floor) {
  if (cell.ChainDelay > 0) {
    // A blast that an explosion gave a delay explodes again when it runs out; the explosion may
    // replace the cell, and the steps below look at what stands there then.
    if (cell.ChainDelay == 1) ExplodeAt(game, x, y);
    --cell.ChainDelay;
  }
  if (floor.Kind == FloorForce) {
    // The force floor's picture cycles 1..8, one step every frame.
    if (floor.Frame < 9) ++floor.Frame;
    if (floor.Frame == 9) floor.Frame = 1;
  }
  if (needs[cell.Type] & kIdleAnimation) UpdateObjectAnimation(game, x, y, cell);
}

// Both scans run along the rows of the grids directly: the rules they call change cells in place
// but never move the grids. A row the grids do not hold is all empty cells, which have nothing to do.
void RunRestingCells(Game& game, const TypeNeeds& needs) {
  const bool resting = LevelRunning(game) || game.flags.Dead;
  LevelState& level = game.level;
  for (int y = kScan.MaxY; y >= kScan.MinY; --y) {
    LevelCell* cells = level.Grid.Span(kScan.MinX, kScan.MaxX, y);
    FloorCell* floors = level.FloorGrid.Span(kScan.MinX, kScan.MaxX, y);
    if (cells == nullptr || floors == nullptr) continue;
    for (int x = kScan.MinX; x <= kScan.MaxX; ++x) {
      LevelCell& cell = cells[x - kScan.MinX];
      if (resting && (needs[cell.Type] & kRestingRule) && cell.AnimTime == 0.0f) UpdateCell(game, x, y);
      UpdateObjects(game, needs, x, y, cell, floors[x - kScan.MinX]);
    }
  }
}

void TimeOut(Game& game) {
  if (game.timing.TimeLeft != 0) return;
  game.timing.TimeLeft = -2;
  // A running shield does not save the Thresher from the time-out.
  game.explosions.ShieldEnabled = false;
  ExplodeAt(game, static_cast<int>(RoundHalfEven(game.level.PlayerX)),
            static_cast<int>(RoundHalfEven(game.level.PlayerY)));
}

// One cell of the second scan: where the Thresher is, one step of a running motion, and what is
// left to win the level, counted on the cell as the step has left it.
void RunMovingCell(Game& game, const TypeNeeds& needs, int x, int y, LevelCell& cell) {
  LevelState& level = game.level;
  if (cell.Type == ObjThresher && !game.flags.Dead) {
    level.PlayerX = static_cast<float>(x);
    level.PlayerY = static_cast<float>(y);
  }
  if (cell.AnimTime > 0.0f) AnimateCell(game, x, y);
  // The step may have replaced the cell; what follows looks at what stands there now. Most cells
  // are at rest and count for nothing.
  if (!(needs[cell.Type] & kCounted) && cell.Carried == 0 && cell.Mark == 0) return;
  if (cell.AnimTime == 0.0f && cell.Type != ObjGoldUnidGnat && cell.Carried == ObjGoldUnidGnat) {
    // The blast of a gold unid gnat has come to rest with the unid it carried: that unid is lost,
    // and the level stays winnable without it.
    if (level.UnidsNeeded > 0) --level.UnidsNeeded;
    cell.Carried = 0;
  }
  CountCellGoals(game, cell, level);
}

void RunMovingCells(Game& game, const TypeNeeds& needs) {
  for (int y = kScan.MinY; y <= kScan.MaxY; ++y) {
    LevelCell* cells = game.level.Grid.Span(kScan.MinX, kScan.MaxX, y);
    if (cells == nullptr) continue;
    for (int x = kScan.MinX; x <= kScan.MaxX; ++x) RunMovingCell(game, needs, x, y, cells[x - kScan.MinX]);
  }
}

void ClearIfOccupied(Game& game, int x, int y) {
  if (game.level.Grid(x, y).Type != ObjEmpty) ClearCell(game, x, y);
}

// Rows below and above the field first, then the columns left and right of it.
void ClearMarginRing(Game& game) {
  const GridBounds ring{kScan.MinX - 2, kScan.MaxX + 2, kScan.MinY - 2, kScan.MaxY + 2};
  for (int y : {ring.MinY, ring.MinY + 1, ring.MaxY - 1, ring.MaxY})
    for (int x = ring.MinX; x <= ring.MaxX; ++x) ClearIfOccupied(game, x, y);
  for (int x : {ring.MinX, ring.MinX + 1, ring.MaxX - 1, ring.MaxX})
    for (int y = ring.MinY; y <= ring.MaxY; ++y) ClearIfOccupied(game, x, y);
}

}  // namespace

void UpdateGame(Game& game) {
  game.motion.PlayerStepX = 0.0f;
  game.motion.PlayerStepY = 0.0f;
  CountDownPowerUps(game);
  game.level.UnidCount = 0;
  game.level.PortalCount = 0;
  const TypeNeeds needs = WorkOutTypeNeeds(game);
  RunRestingCells(game, needs);
  game.timing.SecondTick = false;
  TimeOut(game);
  // A level made without a Thresher has nobody to run: his position there only places the camera.
  if (LevelRunning(game) && game.level.HasThresher && !game.flags.Dead && !game.flags.NameEntry)
    UpdatePlayer(game, static_cast<int>(RoundHalfEven(game.level.PlayerX)),
                 static_cast<int>(RoundHalfEven(game.level.PlayerY)));
  RunMovingCells(game, needs);
  ClearMarginRing(game);
}

}  // namespace brolt
