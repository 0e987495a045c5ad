#include "game/simulation/gravity.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/numeric.h"
#include "game/core/level/grid_queries.h"
#include "game/core/state/anim_kind.h"
#include "game/core/state/game.h"
#include "game/core/state/world_geometry.h"
#include "game/simulation/devices.h"
#include "game/simulation/explosions.h"
#include "game/simulation/motion.h"

namespace brolt {

namespace {

// The two ways of falling: down, and the upward rock's mirror image. dy leads to the cell "below".
struct FallWay {
  int dy;
  AnimKindValue fall;
  AnimKindValue rollLeft;
  AnimKindValue rollRight;
};
constexpr FallWay kDown{-1, AnimFall, AnimRollLeft, AnimRollRight};
constexpr FallWay kUp{1, AnimFallUp, AnimRollLeftUp, AnimRollRightUp};

constexpr double kRadiansPerDegree = 3.14159 / 180.0;

// A speed in whole cells per second. Below one cell a second an object still moves at one, so that
// no game speed makes a motion's length a division by zero.
double WholeSpeed(double cellsPerSecond) {
  return static_cast<double>(std::max<std::int64_t>(1, RoundHalfEven(cellsPerSecond)));
}

double FallerSpeed(const Game& game, int x, int y) { return game.ObjectDefs[game.level.Grid(x, y).Type].Speed; }

// Moves the object in (x, y) one cell along (dx, way.dy) and starts its motion there, drawn at its
// old height; its old cell is held by a vacated cell meanwhile.
void StartMotion(Game& game, int x, int y, int dx, const FallWay& way, float frames, AnimKindValue kind) {
  LevelCell moving = game.level.Grid(x, y);
  moving.AnimTime = 1.0f;
  moving.AnimEnd = frames;
  moving.OffsetY = static_cast<float>(-way.dy * CellSize);
  moving.AnimKind = kind;
  game.level.Grid.Set(x + dx, y + way.dy, moving);
  LeaveVacatedCell(game, x, y);
}

// A fall of one cell along the way: StartFallDown, and StartFallUp for the upward rock.
void StartFall(Game& game, int x, int y, const FallWay& way) {
  const double frames = game.timing.FramesPerSecond / WholeSpeed(FallerSpeed(game, x, y));
  StartMotion(game, x, y, 0, way, static_cast<float>(RoundHalfEven(frames)), way.fall);
}

// A roll off a round object to side dx: StartRollLeft and StartRollRight, and StartRollLeftUp and
// StartRollRightUp for the upward rock. It runs at half the object's speed, and up to three frames
// longer at random.
void StartRoll(Game& game, int x, int y, int dx, const FallWay& way) {
  const double half = WholeSpeed(FallerSpeed(game, x, y) / 2.0);
  const double frames = game.random().Rnd() * 3 + game.timing.FramesPerSecond / half;
  StartMotion(game, x, y, dx, way, static_cast<float>(RoundHalfEven(frames)), dx < 0 ? way.rollLeft : way.rollRight);
  game.gravity.RollLeftFirst = dx > 0;
}

// Both the cell beside and the one diagonally below on side dx are free to fall into.
bool SideOpen(const Game& game, int x, int y, int dx, const FallWay& way) {
  return IsFreeForFalling(game, x + dx, y) && IsFreeForFalling(game, x + dx, y + way.dy);
}

void UpdateFallerToward(Game& game, int x, int y, const FallWay& way) {
  const LevelCell& below = game.level.Grid(x, y + way.dy);
  if (below.Type == ObjRockGenerator) {
    EnterGenerator(game, x, y);
    return;
  }
  if (IsFreeForFalling(game, x, y + way.dy)) {
    StartFall(game, x, y, way);
    return;
  }
  // Nothing rolls off an object that is itself on the move.
  if (below.AnimTime != 0.0f || !game.ObjectDefs[below.Type].Round) return;
  const int first = game.gravity.RollLeftFirst ? -1 : 1;
  for (int dx : {first, -first}) {
    if (SideOpen(game, x, y, dx, way)) {
      StartRoll(game, x, y, dx, way);
      return;
    }
  }
}

// Rocks, unids and the exploding rock show their turning as they move.
bool CyclesPicture(int type) { return type == ObjRock || type == ObjUnid || type == ObjRockB; }

// The knock of an object ending its move on something, heard in its own cell.
void QueueHit(Game& game, int x, int y, int type) { QueueSound(game, type == ObjUnid ? UNID_HIT : ROCK_HIT, x, y); }

void AnimateFallToward(Game& game, int x, int y, const FallWay& way) {
  LevelGrid& grid = game.level.Grid;
  LevelCell& cell = grid(x, y);
  cell.OffsetY += static_cast<float>(way.dy) * (static_cast<float>(CellSize) / cell.AnimEnd);
  // The object wobbles by up to 3 degrees a frame.
  cell.Angle = RoundToInt16(game.random().Rnd() * 6 + cell.Angle - 3);
  const int type = cell.Type;
  if (CyclesPicture(type)) AdvanceCellFrame(game, x, y);
  const int belowY = y + way.dy;
  const LevelCell& now = grid(x, y);
  if (grid(x, belowY).Type == ObjEmpty || now.AnimTime != now.AnimEnd) return;
  // A placeholder beneath is gone at once, so that the fall goes on in the next frame.
  if (grid(x, belowY).Type == ObjVacated) ClearCell(game, x, belowY);
  if (game.ObjectDefs[type].IsCreature && GetCellKind(game, x, belowY) == CellBlastFirstHalf) ExplodeAt(game, x, y);
  QueueHit(game, x, y, type);
}

void AnimateRollToward(Game& game, int x, int y, int sense, float radiusX, float radiusY, int step,
                       const FallWay& way) {
  LevelGrid& grid = game.level.Grid;
  LevelCell& cell = grid(x, y);
  // A quarter circle of one cell's radius around the centre of the object rolled off, from its top
  // to its side.
  const double a = static_cast<double>(RoundHalfEven(90.0f / cell.AnimEnd * cell.AnimTime)) * kRadiansPerDegree;
  const double size = CellSize;
  const double across = std::sin(a) * size * radiusX;
  cell.OffsetX = static_cast<float>(sense < 0 ? size - across : across - size);
  cell.OffsetY = static_cast<float>(-way.dy * std::cos(a) * size * radiusY);
  cell.Angle = static_cast<std::int16_t>(cell.Angle + sense * step);
  const int type = cell.Type;
  if (CyclesPicture(type)) AdvanceCellFrame(game, x, y);
  const LevelCell& now = grid(x, y);
  if (now.AnimTime == 2.0f) QueueSound(game, type == ObjUnid ? UNID_ROLL : ROCK_ROLL, x, y);
  if (grid(x, y + way.dy).Type != ObjEmpty && now.AnimTime == now.AnimEnd) QueueHit(game, x, y, type);
}

}  // namespace

void UpdateFaller(Game& game, int x, int y) { UpdateFallerToward(game, x, y, kDown); }
void UpdateFallerUp(Game& game, int x, int y) { UpdateFallerToward(game, x, y, kUp); }

void UpdateBomb(Game& game, int x, int y) {
  // A bomb sticks to anything fixed beside or above it; a vacated cell or a blast beneath holds it.
  if (game.level.Grid(x, y - 1).Type != ObjEmpty) return;
  if (IsBombSupport(game, x + 1, y) || IsBombSupport(game, x - 1, y) || IsBombSupport(game, x, y + 1)) return;
  StartFallDown(game, x, y);
}

void StartFallDown(Game& game, int x, int y) { StartFall(game, x, y, kDown); }

void AnimateFall(Game& game, int x, int y) {
  AnimateFallToward(game, x, y, kDown);
  ApplyLanding(game, x, y);
}

// The upward rock lands on nothing: it never crushes or cracks what it comes to rest against.
void AnimateFallUp(Game& game, int x, int y) { AnimateFallToward(game, x, y, kUp); }

void AnimateRoll(Game& game, int x, int y, int sense, float radiusX, float radiusY, int step) {
  AnimateRollToward(game, x, y, sense, radiusX, radiusY, step, kDown);
  ApplyLanding(game, x, y);
}

void AnimateRollUp(Game& game, int x, int y, int sense, float radiusX, float radiusY, int step) {
  AnimateRollToward(game, x, y, sense, radiusX, radiusY, step, kUp);
}

Landing LandingOutcome(const Game& game, int x, int y) {
  const ObjectDef& def = game.ObjectDefs[game.level.Grid(x, y).Type];
  if (def.ExplodesOnLanding) return IsFreeForFalling(game, x, y - 1) ? Landing::FallsOn : Landing::ExplodesHere;
  if (def.SidePushable && game.level.Grid(x, y - 1).Type == ObjArmoredUnid) return Landing::CracksBelow;
  return Landing::Rests;
}

void ApplyLanding(Game& game, int x, int y) {
  const LevelCell& cell = game.level.Grid(x, y);
  if (cell.AnimTime < cell.AnimEnd) return;
  // This is how a falling rock kills the Thresher or a creature and sets off what explodes.
  if (IsSidePushableAt(game, x, y) && IsBlockingCell(game, x, y - 1)) ExplodeAt(game, x, y - 1);
  switch (LandingOutcome(game, x, y)) {
    case Landing::ExplodesHere:
      ExplodeAt(game, x, y);
      break;
    case Landing::CracksBelow:
      StartUnidCrack(game, x, y - 1);
      break;
    case Landing::Rests:
    case Landing::FallsOn:
      break;
  }
}

}  // namespace brolt
