#include "game/simulation/explosions.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "common/numeric.h"
#include "game/core/level/cell_construction.h"
#include "game/core/level/grid_queries.h"
#include "game/core/state/anim_kind.h"
#include "game/core/state/game.h"
#include "game/core/state/level_state.h"
#include "game/simulation/creatures.h"
#include "game/simulation/motion.h"

namespace brolt {

namespace {

// Ticks a blast or shot cell lives.
constexpr float kBlastTicks = 32.0f;

// The pictures a shot flies and hits with.
struct ShotTypes {
  ObjectType flying;
  ObjectType hit;
};
constexpr ShotTypes kCannonShot{ObjCannonShot, ObjBlast};
constexpr ShotTypes kPlayerShot{ObjThresherShot, ObjShotBlast};

bool Shielded(const Game& game) { return game.explosions.ShieldEnabled && game.player.ShieldTime > 0; }

// A fresh blast or shot cell at the start of its animation.
LevelCell StartedCell(Game& game, int type, AnimKindValue kind) {
  LevelCell cell = MakeCell(game, type);
  cell.AnimTime = 1.0f;
  cell.AnimEnd = kBlastTicks;
  cell.AnimKind = kind;
  cell.Mark = 0;
  return cell;
}

// Frames until the blast of a destroyed object explodes in turn: a quarter of a second at the
// fastest game speed, 16 percent longer for each step slower. Never below one frame, so that no
// game speed, however wild, loses a chain reaction.
std::int16_t ChainDelayFrames(const Game& game) {
  const double quarter = game.timing.FramesPerSecond * 0.25;
  const double delay = (9 - game.settings.GameSpeed) * 0.16 * quarter + quarter;
  return std::max<std::int16_t>(1, RoundToInt16(delay));
}

// What a cell explodes as: a blast or a spent shot explodes as what it replaced.
int BlastKind(const LevelCell& cell) {
  switch (cell.Type) {
    case ObjEmpty:
    case ObjBlast:
    case ObjCannonShot:
    case ObjBlastB:
      return cell.Carried;
    default:
      return cell.Type;
  }
}

// Replaces the destroyable cell (cx, cy) of an explosion by a blast cell that remembers what it
// replaced. What explodes in turn gets a delay: anything blocking or explosive outside the centre,
// and every unid. A shielded Thresher keeps his cell.
void DestroyCell(Game& game, int cx, int cy, bool centre, bool unidBlast) {
  const LevelCell& old = std::as_const(game.level.Grid)(cx, cy);
  const int oldType = old.Type;
  const bool blocking = IsBlockingCell(game, cx, cy);
  if (blocking && oldType == ObjThresher) {
    if (Shielded(game)) return;
    game.flags.Dead = true;
  }
  const bool chain = (!centre && (blocking || old.ExplodeRadius != 0)) || oldType == ObjUnid;
  LevelCell blast = StartedCell(game, unidBlast ? ObjBlastB : ObjBlast, AnimBlast);
  if (chain) {
    blast.ChainDelay = ChainDelayFrames(game);
    blast.ExplodeRadius = game.ObjectDefs[oldType].ExplodeRadius;
  }
  blast.Carried = static_cast<std::int16_t>(oldType);
  game.level.Grid.Set(cx, cy, blast);
}

// One cell (cx, cy) of the square of an explosion centred on (x, y). The centre is replaced while
// the square is visited, so the sounds of the creature or exit at its centre reach only the cells
// visited before it.
void BlastCell(Game& game, int x, int y, int cx, int cy, bool unidBlast) {
  LevelGrid& grid = game.level.Grid;
  // Nothing outside the level is touched: a blast at an open edge must not leave unids or blasts
  // in the margin, where the Thresher can never reach them.
  if (!IsInsideLevel(cx, cy)) return;
  const int centreType = std::as_const(grid)(x, y).Type;
  if (game.ObjectDefs[centreType].IsCreature) PlayCreatureDeathSound(game, cx, cy);
  if (centreType == ObjExitPortal) QueueSound(game, EXIT_EXPLODE, cx, cy);
  if (game.ObjectDefs[grid(cx, cy).Type].Destroyable) DestroyCell(game, cx, cy, cx == x && cy == y, unidBlast);
  // Walls and a spared Thresher are marked too.
  if (unidBlast) grid(cx, cy).Mark = ObjUnid;
}

// The blast and shot animations advance on the 30-per-second tick. AnimateCell counts every frame;
// between ticks they take that count back, so their AnimTime counts ticks at any frame rate. True
// on the frames between ticks, when nothing else happens.
bool HoldBetweenTicks(const Game& game, LevelCell& cell) {
  if (game.timing.Tick30 == 0) return false;
  if (cell.AnimTime > 1.0f) cell.AnimTime -= 1.0f;
  return true;
}

// The view shakes during the first half of a blast.
void Shake(Game& game, bool shaking) {
  CameraWords& camera = game.camera;
  for (float* word : {&camera.ShakeX, &camera.ShakeY, &camera.ShakeZ})
    *word = shaking ? static_cast<float>(game.random().Rnd() * 3 - 1) : 0.0f;
}

void FireShot(Game& game, int x, int y, int dx, int dy, const ShotTypes& shot) {
  // A shot that would leave the grid ends.
  if (!game.level.Grid.Contains(x, y)) return;
  const int old = game.level.Grid(x, y).Type;
  const ObjectDef& def = game.ObjectDefs[old];
  if (def.ExplodeRadius != 0) {
    ExplodeAt(game, x, y);
    return;
  }
  if (IsBlockingCell(game, x, y)) {
    // It sets the cell off and flies on from it.
    ExplodeAt(game, x, y);
  } else if (def.Destroyable && old != ObjEmpty && old != ObjVacated) {
    game.level.Grid.Set(x, y, StartedCell(game, shot.hit, AnimBlast));
    QueueSound(game, BOMB_EXPLODE, x, y);
    return;
  }
  LevelCell flying = StartedCell(game, shot.flying, AnimShotFlight);
  flying.DirX = static_cast<std::int16_t>(dx);
  flying.DirY = static_cast<std::int16_t>(dy);
  game.level.Grid.Set(x, y, flying);
}

}  // namespace

void ExplodeAt(Game& game, int x, int y) {
  if (game.explosions.ExplodeWatcher) game.explosions.ExplodeWatcher(x, y);
  const LevelCell& centre = std::as_const(game.level.Grid)(x, y);
  if (centre.Type == ObjThresher && Shielded(game)) return;
  const int radius = centre.ExplodeRadius;
  const int kind = BlastKind(centre);
  const bool unidBlast = kind == ObjThresher || kind == ObjGoldUnidGnat;
  // Top row first, each row from the left.
  for (int j = radius; j >= -radius; --j)
    for (int i = -radius; i <= radius; ++i) BlastCell(game, x, y, x + i, y + j, unidBlast);
  QueueSound(game, unidBlast || kind == ObjUnid ? UNID_EXPLODE : BOMB_EXPLODE, x, y);
}

void FireCannonShot(Game& game, int x, int y, int dx, int dy) { FireShot(game, x, y, dx, dy, kCannonShot); }
void FirePlayerShot(Game& game, int x, int y, int dx, int dy) { FireShot(game, x, y, dx, dy, kPlayerShot); }

void AnimateBlast(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  if (HoldBetweenTicks(game, cell)) return;
  ++cell.Frame;
  GrowAndSpin(game, x, y);
  Shake(game, cell.AnimTime < cell.AnimEnd / 2);
  if (cell.Frame > 8) {
    cell.Frame = 1;
    ++cell.FrameRow;
  }
  // Five rows of eight pictures, repeating.
  const std::int16_t startRow = game.ObjectDefs[cell.Type].StartRow;
  if (cell.FrameRow > startRow + 4) cell.FrameRow = startRow;
  // A blast marked by a unid turns into one halfway through.
  const bool becomesUnid = cell.Mark == ObjUnid;
  if (cell.AnimTime < (becomesUnid ? cell.AnimEnd / 2 : cell.AnimEnd)) return;
  if (becomesUnid) game.level.UnidsNeeded = SaturatingAdd16(game.level.UnidsNeeded, 1);
  LevelCell rest = MakeCell(game, cell.Mark);
  rest.Carried = cell.Carried;
  rest.AnimKind = AnimNone;
  game.level.Grid.Set(x, y, rest);
}

void AnimateShotFlight(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  if (HoldBetweenTicks(game, cell)) return;
  GrowAndSpin(game, x, y);
  if (++cell.Frame > 8) {
    cell.Frame = 1;
    ++cell.FrameRow;
  }
  if (cell.FrameRow > 4) cell.FrameRow = 1;
  if (cell.AnimTime == cell.AnimEnd) {
    ClearCell(game, x, y);
    return;
  }
  // Each cell of the trail hands the shot on once, from the tick after it appeared.
  if (cell.AnimTime <= 1.0f || cell.FirstStepDone != 0) return;
  cell.FirstStepDone = 1;
  const int type = cell.Type;
  const int dx = cell.DirX;
  const int dy = cell.DirY;
  const ObjectDef& next = game.ObjectDefs[std::as_const(game.level.Grid)(x + dx, y + dy).Type];
  // A blast or another shot ahead lets it through only once this cell has aged a third.
  if (!next.ShotTarget && !(next.IsBlast && cell.AnimTime > cell.AnimEnd / 3)) return;
  if (type == ObjCannonShot) FireCannonShot(game, x + dx, y + dy, dx, dy);
  if (type == ObjThresherShot) FirePlayerShot(game, x + dx, y + dy, dx, dy);
}

void GrowAndSpin(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  cell.Scale += static_cast<float>(game.random().Rnd() * 5 / (cell.AnimEnd + 1));
  cell.Angle = static_cast<std::int16_t>(cell.Angle + 1);
}

}  // namespace brolt
