#include "game/simulation/devices.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "game/core/level/cell_construction.h"
#include "game/core/state/anim_kind.h"
#include "game/core/state/game.h"
#include "game/core/state/world_geometry.h"
#include "game/simulation/explosions.h"

namespace brolt {

namespace {

// Most device animations run eight pictures.
constexpr float kDeviceFrames = 8.0f;

void StartAnimation(LevelCell& cell, AnimKindValue kind, float frames) {
  cell.AnimKind = kind;
  cell.AnimTime = 1.0f;
  cell.AnimEnd = frames;
}

bool IsTickFrame(const Game& game) { return game.timing.Tick30 == 0; }

// The barrel picture runs from 8 down to 1.
void StartCannonFire(Game& game, int x, int y) {
  LevelCell& cannon = game.level.Grid(x, y);
  StartAnimation(cannon, AnimCannonFire, kDeviceFrames);
  cannon.Frame = 8;
}

// A new rock slides out of the generator above (x, y); the caller gives it its length.
void SpawnFromGenerator(Game& game, int x, int y) {
  LevelCell rock = MakeCell(game, ObjRock);
  rock.AnimKind = AnimGeneratorSpawn;
  rock.OffsetY = CellSize;
  rock.AnimTime = 1.0f;
  game.level.Grid.Set(x, y, rock);
}

}  // namespace

void OpenExitPortal(Game& game, int x, int y) {
  LevelCell portal = MakeCell(game, ObjExitPortal);
  StartAnimation(portal, AnimPortalOpen, kDeviceFrames);
  game.level.Grid.Set(x, y, portal);
  QueueSound(game, EXIT_OPEN, -1, -1);
}

void AnimatePortalOpen(Game& game, int x, int y) { ++game.level.Grid(x, y).Frame; }

void UpdateCannon(Game& game, int x, int y) {
  LevelCell& cannon = game.level.Grid(x, y);
  const std::int16_t rate = game.level.CannonRate;
  // A cannon with nothing to fire at counts on; the count stops short of overflowing.
  if (rate > 0 && cannon.Timer < std::numeric_limits<std::int32_t>::max()) ++cannon.Timer;
  const int targetX = x + cannon.DirX;
  const int targetY = y + cannon.DirY;
  const std::int64_t interval = static_cast<std::int64_t>(rate) * game.timing.FramesPerSecond;
  if (cannon.Timer <= interval || !game.ObjectDefs[game.level.Grid(targetX, targetY).Type].ShotTarget) return;
  cannon.Timer = 0;
  const int dirX = cannon.DirX;
  const int dirY = cannon.DirY;
  FireCannonShot(game, targetX, targetY, dirX, dirY);
  StartCannonFire(game, x, y);
  QueueSound(game, BOMB_EXPLODE, -1, -1);
}

void AnimateCannonFire(Game& game, int x, int y) {
  LevelCell& cannon = game.level.Grid(x, y);
  // The picture moves on the 30-per-second ticks only; between them the count is held.
  if (!IsTickFrame(game)) {
    cannon.AnimTime -= 1.0f;
    return;
  }
  --cannon.Frame;
  if (cannon.AnimTime == cannon.AnimEnd) cannon.Frame = 1;
}

void UpdateRockGenerator(Game& game, int x, int y) {
  QueueSound(game, ROCK_GENERATOR, x, y);
  LevelCell& generator = game.level.Grid(x, y);
  ++generator.Timer;
  const float period = static_cast<float>(game.timing.FrameRateNow) / game.ObjectDefs[generator.Type].Speed;
  if (static_cast<float>(generator.Timer) <= period) return;
  const std::int32_t frames = generator.Timer;
  generator.Timer = 0;
  // A blocked generator loses this rock and counts again.
  if (game.level.Grid(x, y - 1).Type != ObjEmpty) return;
  SpawnFromGenerator(game, x, y - 1);
  game.level.Grid(x, y - 1).AnimEnd = static_cast<float>(frames);
}

void AnimateGeneratorSpawn(Game& game, int x, int y, int) {
  LevelCell& rock = game.level.Grid(x, y);
  rock.OffsetY -= CellSize / rock.AnimEnd;
}

void EnterGenerator(Game& game, int x, int y) {
  LevelCell& faller = game.level.Grid(x, y);
  faller.OffsetY = 0.0f;
  StartAnimation(faller, AnimGeneratorEntry, static_cast<float>(std::floor(game.timing.FramesPerSecond / 3.0)));
}

void AnimateGeneratorEntry(Game& game, int x, int y, int) {
  LevelCell& faller = game.level.Grid(x, y);
  // It sinks toward y - 1 whichever way it fell.
  faller.OffsetY -= CellSize / faller.AnimEnd;
  if (faller.AnimTime == faller.AnimEnd) game.level.Grid.Set(x, y, MakeCell(game, ObjEmpty));
}

void StartUnidCrack(Game& game, int x, int y) {
  StartAnimation(game.level.Grid(x, y), AnimCrack, kDeviceFrames);
  QueueSound(game, UNID_CRACK, x, y);
}

void AnimateCrack(Game& game, int x, int y) {
  LevelCell& unid = game.level.Grid(x, y);
  ++unid.Frame;
  if (unid.Frame > 8) game.level.Grid.Set(x, y, MakeCellKeepingAngle(game, ObjUnid, x, y));
}

void StartKeyHoleOpen(Game& game, int x, int y) {
  StartAnimation(game.level.Grid(x, y), AnimKeyHoleOpen, kDeviceFrames);
  QueueSound(game, DOOR_OPEN, x, y);
}

void AnimateKeyHoleOpen(Game& game, int x, int y) {
  LevelCell& hole = game.level.Grid(x, y);
  if (!IsTickFrame(game)) {
    if (hole.AnimTime > 1.0f) hole.AnimTime -= 1.0f;
    return;
  }
  ++hole.Frame;
  if (hole.AnimTime >= hole.AnimEnd) game.level.Grid.Set(x, y, MakeCell(game, ObjEmpty));
}

void AnimateGrab(Game& game, int x, int y, int n) {
  LevelCell& grabbed = game.level.Grid(x, y);
  grabbed.Scale = static_cast<float>(grabbed.Scale - 1.0 / n);
  if (grabbed.AnimTime == grabbed.AnimEnd) game.level.Grid.Set(x, y, MakeCell(game, ObjEmpty));
}

void AnimateCrush(Game& game, int x, int y) {
  LevelCell& player = game.level.Grid(x, y);
  player.OffsetX += CellSize / player.AnimEnd * player.DirX;
  player.OffsetY += CellSize / player.AnimEnd * player.DirY;
  if (player.AnimTime < player.AnimEnd - 1.0f) return;
  // The Thresher is pushed into the cell ahead, whatever is there, and explodes in it.
  const int aheadX = x + player.DirX;
  const int aheadY = y + player.DirY;
  game.level.Grid.Set(aheadX, aheadY, MakeCell(game, ObjThresher));
  ExplodeAt(game, aheadX, aheadY);
  game.level.Grid.Set(x, y, MakeCell(game, ObjEmpty));
}

}  // namespace brolt
