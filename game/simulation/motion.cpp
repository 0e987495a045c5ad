#include "game/simulation/motion.h"

#include <cmath>

#include "common/numeric.h"
#include "game/core/level/cell_construction.h"
#include "game/core/state/anim_kind.h"
#include "game/core/state/game.h"
#include "game/core/state/world_geometry.h"
#include "game/simulation/creatures.h"
#include "game/simulation/player.h"

namespace brolt {

namespace {

// Whole frames of a one-cell motion at `speed` cells per second, rounded down. A speedless object
// gets a motion of one frame rather than one that never ends.
float FloorFramesPerCell(const Game& game, float speed) {
  if (speed <= 0.0f) return 0.0f;
  return std::floor(static_cast<float>(game.timing.FramesPerSecond) / speed);
}

// Copies the object in (x, y) into (x + dx, y + dy) and starts its motion there.
void StartMoveInto(Game& game, int x, int y, int dx, int dy, float frames, AnimKindValue kind) {
  LevelCell moving = game.level.Grid(x, y);
  moving.AnimTime = 1.0f;
  moving.AnimEnd = frames;
  moving.OffsetX = static_cast<float>(-(dx * CellSize));
  moving.OffsetY = static_cast<float>(-(dy * CellSize));
  moving.AnimKind = kind;
  moving.DirX = static_cast<std::int16_t>(dx);
  moving.DirY = static_cast<std::int16_t>(dy);
  game.level.Grid.Set(x + dx, y + dy, moving);
}

// Slides the drawing offset one frame's share of a cell along the move.
void SlideOffset(LevelCell& cell) {
  const float perFrame = static_cast<float>(CellSize) / cell.AnimEnd;
  cell.OffsetX += perFrame * cell.DirX;
  cell.OffsetY += perFrame * cell.DirY;
}

bool IsTickFrame(const Game& game) { return game.timing.Tick30 == 0; }

// The step cycle of a walking creature: columns up to FrameCount, then the next of its rows.
void AdvanceCreatureStep(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  const ObjectDef& def = game.ObjectDefs[cell.Type];
  if (IsTickFrame(game)) ++cell.Frame;
  if (cell.Frame <= def.FrameCount) return;
  cell.Frame = def.StartFrame;
  ++cell.FrameRow;
  PlayCreatureSound(game, x, y);
  LevelCell& after = game.level.Grid(x, y);
  if (after.FrameRow > def.StartRow + def.RowCount - 1) after.FrameRow = def.StartRow;
}

}  // namespace

void MoveObject(Game& game, int x, int y, int dx, int dy, float speed) {
  if (game.level.Grid(x, y).Type == ObjThresher) SetFacingFromDirection(game, x, y);
  const LevelCell& source = game.level.Grid(x, y);
  const float chosen = speed == 0.0f ? game.ObjectDefs[source.Type].Speed : speed;
  const std::int64_t cellsPerSecond = RoundHalfEven(chosen);
  if (cellsPerSecond == 0) return;
  const auto frames = static_cast<float>(
      RoundHalfEven(static_cast<double>(game.timing.FramesPerSecond) / static_cast<double>(cellsPerSecond)));
  const bool player = source.Type == ObjThresher;
  StartMoveInto(game, x, y, dx, dy, frames, AnimMove);
  if (player)
    LeaveVacatedCell(game, x, y);
  else
    ClearCell(game, x, y);
}

void PushObject(Game& game, int x, int y, int dx, int dy, float speed) {
  const float chosen = speed == 0.0f ? game.ObjectDefs[game.level.Grid(x, y).Type].Speed : speed;
  StartMoveInto(game, x, y, dx, dy, FloorFramesPerCell(game, chosen), AnimPushed);
  game.level.Grid(x, y).Type = ObjEmpty;
  QueueSound(game, ROCK_PUSH, -1, -1);
}

void LeaveVacatedCell(Game& game, int x, int y) {
  const float frames = FloorFramesPerCell(game, game.ObjectDefs[game.level.Grid(x, y).Type].Speed);
  LevelCell vacated = MakeCell(game, ObjVacated);
  vacated.AnimTime = 1.0f;
  vacated.AnimEnd = frames;
  vacated.AnimKind = AnimVacate;
  game.level.Grid.Set(x, y, vacated);
}

void ClearCell(Game& game, int x, int y) { game.level.Grid.Set(x, y, MakeCell(game, ObjEmpty)); }

void AnimateWalk(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  const bool player = cell.Type == ObjThresher;
  const float startX = cell.OffsetX;
  const float startY = cell.OffsetY;
  if (player && IsTickFrame(game)) {
    // The walking picture runs backwards through columns 8..1.
    if (--cell.Frame < 1) cell.Frame = 8;
  }
  if (game.ObjectDefs[cell.Type].IsCreature) AdvanceCreatureStep(game, x, y);
  LevelCell& walked = game.level.Grid(x, y);
  SlideOffset(walked);
  if (player) {
    game.motion.PlayerStepX = walked.OffsetX - startX;
    game.motion.PlayerStepY = walked.OffsetY - startY;
  }
}

void AnimatePush(Game& game, int x, int y, int step) {
  LevelCell& cell = game.level.Grid(x, y);
  // A pushed faller rolls over; key blocks and push blocks slide.
  if (!game.ObjectDefs[cell.Type].Pushable) {
    if (cell.DirX == 1) cell.Angle = static_cast<std::int16_t>(cell.Angle + step);
    if (cell.DirX == -1) cell.Angle = static_cast<std::int16_t>(cell.Angle - step);
  }
  SlideOffset(cell);
  if (cell.AnimTime == cell.AnimEnd) {
    cell.OffsetX = 0.0f;
    cell.OffsetY = 0.0f;
  }
}

void ExpireCellIfDone(Game& game, int x, int y) {
  const LevelCell& cell = game.level.Grid(x, y);
  if (cell.AnimTime >= cell.AnimEnd) ClearCell(game, x, y);
}

void AdvanceCellFrame(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  if (IsTickFrame(game)) ++cell.Frame;
  if (cell.Frame > 8) {
    cell.Frame = 1;
    ++cell.FrameRow;
  }
  // ObjRockB cycles through rows 3 and 4 of its sheet only.
  if (cell.Type == ObjRockB) {
    if (cell.FrameRow > 4) cell.FrameRow = 3;
  } else if (cell.FrameRow > 8) {
    cell.FrameRow = 1;
  }
}

}  // namespace brolt
