#include "game/simulation/player.h"

#include <cmath>

#include "common/numeric.h"
#include "game/core/level/cell_construction.h"
#include "game/core/level/grid_queries.h"
#include "game/core/state/anim_kind.h"
#include "game/core/state/game.h"
#include "game/core/state/level_state.h"
#include "game/simulation/collect_item.h"
#include "game/simulation/devices.h"
#include "game/simulation/explosions.h"
#include "game/simulation/level_completion.h"
#include "game/simulation/motion.h"

namespace brolt {

namespace {

// How a step of the Thresher's frame ends the frame: not at all, as done, or by his death.
enum class FrameEnd { GoesOn, Done, Died };

// Frames the grab animation of a taken object lasts.
constexpr int kGrabFrames = 5;
// The tilt of the pushing pose and of a vertical step, in degrees.
constexpr std::int16_t kPushTilt = 40;
constexpr std::int16_t kStepTilt = 30;

bool Held(const Game& game, int scanCode) { return game.keys.KeyDown[static_cast<std::size_t>(scanCode)] != 0; }

float FramesPerSecond(const Game& game) { return static_cast<float>(game.timing.FramesPerSecond); }

// The idle animation takes over after five seconds without an arrow direction.
std::int32_t IdleLimit(const Game& game) { return 5 * game.timing.FramesPerSecond; }

void StartCrush(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  cell.AnimKind = AnimCrush;
  cell.AnimTime = 1.0f;
  cell.AnimEnd = FramesPerSecond(game) / game.ObjectDefs[cell.Type].Speed;
}

void DropBomb(Game& game, int x, int y) {
  LevelCell bomb = MakeCell(game, ObjBomb);
  // Seconds on the fuse, shown by the picture.
  bomb.Timer = 5;
  bomb.Frame = 5;
  game.level.Grid.Set(x, y, bomb);
}

void StartGrab(Game& game, int x, int y, int frames) {
  LevelCell& cell = game.level.Grid(x, y);
  cell.AnimTime = 1.0f;
  cell.AnimEnd = static_cast<float>(frames);
  cell.AnimKind = AnimGrab;
  cell.Scale = 1.0f;
}

// The direction the arrows ask for: Right wins over Left and Down over Up.
GridPoint DirectionFromKeys(const Game& game) {
  GridPoint dir;
  if (Held(game, scan::Left)) dir.x = -1;
  if (Held(game, scan::Right)) dir.x = 1;
  if (Held(game, scan::Up)) dir.y = 1;
  if (Held(game, scan::Down)) dir.y = -1;
  return dir;
}

// A diagonal becomes the one step that is open; with both open, the arrow pressed last decides.
GridPoint ResolveDiagonal(const Game& game, int x, int y, GridPoint dir) {
  if (dir.x == 0 || dir.y == 0) return dir;
  const bool horizontal = CanPlayerEnter(game, x + dir.x, y);
  const bool vertical = CanPlayerEnter(game, x, y + dir.y);
  if (horizontal && !vertical) return {dir.x, 0};
  if (vertical && !horizontal) return {0, dir.y};
  if (!horizontal) return {0, 0};
  switch (game.keys.LastArrowKey) {
    case scan::Left:
    case scan::Right:
      return {dir.x, 0};
    case scan::Up:
    case scan::Down:
      return {0, dir.y};
    default:
      return dir;
  }
}

void CountIdleFrames(Game& game, int x, int y, GridPoint dir) {
  PlayerState& player = game.player;
  player.IdleFrames = dir.x == 0 && dir.y == 0 ? SaturatingAdd16(player.IdleFrames, 1) : std::int16_t{0};
  if (player.IdleFrames > IdleLimit(game)) {
    --player.IdleFrames;
    UpdatePlayerIdle(game, x, y);
  }
}

void ChoosePose(Game& game, LevelCell& cell) {
  const PlayerState& player = game.player;
  if (player.PushFrames > 0)
    cell.FrameRow = 3;
  else if (player.TurnFrames == 0 && player.IdleFrames < IdleLimit(game))
    cell.FrameRow = 1;
}

// Faces the new direction; turning round shows the turning pose for a tenth of a second.
void TurnToDirection(Game& game, int x, int y, std::int16_t facingBefore) {
  SetFacingFromDirection(game, x, y);
  LevelCell& cell = game.level.Grid(x, y);
  if (cell.FacingLeft == facingBefore) return;
  cell.FrameRow = 2;
  game.player.TurnFrames = RoundToInt16(game.timing.FramesPerSecond / 10.0);
}

// A shot may enter the target when it is something shots hit, or a blast a third of the way
// through its fading.
bool CanShootInto(const Game& game, int x, int y) {
  const LevelCell& target = game.level.Grid(x, y);
  const ObjectDef& def = game.ObjectDefs[target.Type];
  return def.ShotTarget || (def.IsBlast && target.AnimTime > target.AnimEnd / 3.0f);
}

void Fire(Game& game, int x, int y, GridPoint dir) {
  PlayerState& player = game.player;
  if (dir.x == 0 && dir.y == 0) return;
  if (!CanShootInto(game, x + dir.x, y + dir.y) || player.Shots <= 0) return;
  --player.Shots;
  FirePlayerShot(game, x + dir.x, y + dir.y, dir.x, dir.y);
  QueueSound(game, THRESHER_SHOOT, -1, -1);
}

void ThrowSwitch(Game& game) {
  PlayerState& player = game.player;
  game.devices.SwitchState = !game.devices.SwitchState;
  QueueSound(game, DOOR_OPEN, -1, -1);
  player.SwitchLatch = true;
  player.SwitchLatchKey = game.keys.LastArrowKey;
  // The switches wait for a swing to end; a level without doors has none to wait for.
  game.devices.DoorsSwinging = ToggleDoors(game);
}

// A faller moving sideways into the cell he steps up into crushes him. One falling or rolling down
// onto him is left to its landing; one standing still in its cell (vanishing under his grab, or an
// armoured unid cracking) crushes nothing.
bool CrushedStepping(const Game& game, GridPoint target, GridPoint dir) {
  if (dir.y != 1) return false;
  const LevelCell& above = game.level.Grid(target.x, target.y);
  switch (above.AnimKind) {
    case AnimFall:
    case AnimRollLeft:
    case AnimRollRight:
    case AnimGrab:
    case AnimCrack:
      return false;
    default:
      return above.AnimTime > 0.0f && IsSidePushableAt(game, target.x, target.y);
  }
}

// A gate with a direction of its own lets him through only along it; one without lets him
// through along its length: up and down when it stands upright, sideways when it lies across.
bool GateLetsThrough(const LevelCell& gate, GridPoint dir) {
  if (gate.DirX != 0 || gate.DirY != 0) return dir.x == gate.DirX && dir.y == gate.DirY;
  if (dir.x == 0 && dir.y != 0) return gate.Angle == 0 || gate.Angle == 180;
  if (dir.y == 0 && dir.x != 0) return gate.Angle == 90 || gate.Angle == 270;
  return false;
}

// An open door or a gate ahead: he jumps over it to the cell beyond when that is free.
void PassThrough(Game& game, int x, int y, GridPoint dir) {
  const LevelCell& passage = game.level.Grid(x + dir.x, y + dir.y);
  if (passage.Type == ObjShapedWall && !GateLetsThrough(passage, dir)) return;
  const GridPoint landing{x + 2 * dir.x, y + 2 * dir.y};
  if (!CanPlayerEnter(game, landing.x, landing.y)) return;
  CollectItem(game, landing, landing);
  MoveObject(game, x, y, 2 * dir.x, 2 * dir.y, 0.0f);
  QueueSound(game, PORTAL_ZOOM, -1, -1);
}

// Key blocks and push blocks move every fifth of a second of pushing, at half speed, onto a free
// cell or into the key hole of their colour.
bool PushBlock(Game& game, int x, int y, GridPoint dir) {
  PlayerState& player = game.player;
  if (player.PushFrames <= FramesPerSecond(game) / 5.0f) return false;
  player.PushFrames = 1;
  const GridPoint target{x + dir.x, y + dir.y};
  const GridPoint beyond{x + 2 * dir.x, y + 2 * dir.y};
  const double blockSpeed = game.ObjectDefs[game.level.Grid(target.x, target.y).Type].Speed;
  const auto speed = static_cast<float>(RoundHalfEven(blockSpeed / 2.0));
  switch (CanMoveTo(game, target.x, target.y, beyond.x, beyond.y)) {
    case MoveIntoEmpty:
      PushObject(game, target.x, target.y, dir.x, dir.y, speed);
      break;
    case MoveIntoKeyHole:
      // The block is used up in the hole; he steps onto its cell.
      QueueSound(game, ROCK_PUSH, -1, -1);
      StartKeyHoleOpen(game, beyond.x, beyond.y);
      break;
    default:
      return false;
  }
  MoveObject(game, x, y, dir.x, dir.y, speed);
  return true;
}

// Fallers roll sideways onto an empty cell: a rock that falls upward at once and at full speed,
// any other after a third of a second of pushing and at half speed.
bool PushFaller(Game& game, int x, int y, int dx) {
  PlayerState& player = game.player;
  const LevelCell& target = game.level.Grid(x + dx, y);
  if (target.AnimTime != 0.0f || game.level.Grid(x + 2 * dx, y).Type != ObjEmpty) return false;
  const double speed = game.ObjectDefs[target.Type].Speed;
  float pushSpeed = 0.0f;
  if (target.Type == ObjRockUp) {
    pushSpeed = static_cast<float>(RoundHalfEven(speed));
  } else {
    if (player.PushFrames <= FramesPerSecond(game) / 3.0f) return false;
    player.PushFrames = 1;
    pushSpeed = static_cast<float>(RoundHalfEven(speed / 2.0));
  }
  PushObject(game, x + dx, y, dx, 0, pushSpeed);
  MoveObject(game, x, y, dx, 0, pushSpeed);
  return true;
}

void PushOrWalk(Game& game, int x, int y, GridPoint dir) {
  PlayerState& player = game.player;
  const GridPoint target{x + dir.x, y + dir.y};
  const LevelCell& cell = game.level.Grid(target.x, target.y);
  const ObjectDef& def = game.ObjectDefs[cell.Type];
  const bool horizontal = dir.x != 0 && dir.y == 0;
  const bool enterable = CanPlayerEnter(game, target.x, target.y);
  if (!enterable && ((def.SidePushable && horizontal) || (def.Pushable && (dir.x != 0 || dir.y != 0))))
    player.PushFrames = SaturatingAdd16(player.PushFrames, 1);
  if (def.Pushable && PushBlock(game, x, y, dir)) return;
  if (def.SidePushable && horizontal && PushFaller(game, x, y, dir.x)) return;
  if (!enterable) return;
  CollectItem(game, target, target);
  MoveObject(game, x, y, dir.x, dir.y, 0.0f);
}

// The Thresher at rest and off any force floor that can carry him: the keys decide.
FrameEnd ActOnKeys(Game& game, int x, int y, std::int16_t facingBefore) {
  PlayerState& player = game.player;
  const GridPoint dir = ResolveDiagonal(game, x, y, DirectionFromKeys(game));
  {
    LevelCell& cell = game.level.Grid(x, y);
    cell.DirX = static_cast<std::int16_t>(dir.x);
    cell.DirY = static_cast<std::int16_t>(dir.y);
  }
  CountIdleFrames(game, x, y, dir);
  ChoosePose(game, game.level.Grid(x, y));
  TurnToDirection(game, x, y, facingBefore);

  if (Held(game, scan::LeftCtrl)) {
    Fire(game, x, y, dir);
    // Firing never moves him, and he stands facing nowhere.
    LevelCell& cell = game.level.Grid(x, y);
    cell.DirX = 0;
    cell.DirY = 0;
    return FrameEnd::Done;
  }
  const GridPoint target{x + dir.x, y + dir.y};
  if (IsDeadlyForPlayer(game, target.x, target.y)) return FrameEnd::Died;
  const int targetType = game.level.Grid(target.x, target.y).Type;
  if (Held(game, scan::LeftShift)) {
    // Toward an open edge of the level the bomb is kept, as a step there goes nowhere.
    if (targetType == ObjEmpty && player.Bombs > 0 && IsInsideLevel(target.x, target.y)) {
      --player.Bombs;
      DropBomb(game, target.x, target.y);
    }
    return FrameEnd::Done;
  }
  if (targetType == ObjExitPortal) {
    if (game.level.UnidsNeeded == 0) CompleteLevel(game);
    return FrameEnd::Done;
  }
  if ((targetType == ObjSwitch || targetType == ObjSwitchB) && !player.SwitchLatch && !game.devices.DoorsSwinging) {
    ThrowSwitch(game);
    return FrameEnd::Done;
  }
  if (Held(game, scan::Space)) {
    if (game.level.Grid(target.x, target.y).AnimTime == 0.0f && CanPlayerEnter(game, target.x, target.y)) {
      CollectItem(game, target, {x, y});
      StartGrab(game, target.x, target.y, kGrabFrames);
    }
    return FrameEnd::Done;
  }
  if (CrushedStepping(game, target, dir) && player.ShieldTime < 1) {
    StartCrush(game, x, y);
    return FrameEnd::Done;
  }
  if (targetType == ObjDoorOpen || targetType == ObjShapedWall) {
    PassThrough(game, x, y, dir);
    return FrameEnd::Done;
  }
  PushOrWalk(game, x, y, dir);
  return FrameEnd::Done;
}

// A force floor carries him on at twice his speed unless its next cell is closed to him.
FrameEnd RideForceFloor(Game& game, int x, int y) {
  const FloorCell& floor = game.level.FloorGrid(x, y);
  if (floor.Kind != FloorForce) return FrameEnd::GoesOn;
  const GridPoint target{x + floor.DirX, y + floor.DirY};
  if (IsDeadlyForPlayer(game, target.x, target.y)) return FrameEnd::Died;
  if (!CanPlayerEnter(game, target.x, target.y)) return FrameEnd::GoesOn;
  CollectItem(game, target, target);
  MoveObject(game, x, y, floor.DirX, floor.DirY,
             static_cast<float>(RoundHalfEven(2.0 * game.ObjectDefs[ObjThresher].Speed)));
  return FrameEnd::Done;
}

}  // namespace

void UpdatePlayer(Game& game, int x, int y) {
  PlayerState& player = game.player;
  if (player.TurnFrames == 1) game.level.Grid(x, y).FrameRow = 1;
  if (player.TurnFrames > 0) --player.TurnFrames;
  // A moving Thresher finishes his move before he acts again.
  if (game.level.Grid(x, y).AnimTime != 0.0f) return;
  const std::int16_t facingBefore = game.level.Grid(x, y).FacingLeft;

  FrameEnd end = RideForceFloor(game, x, y);
  if (end == FrameEnd::GoesOn) end = ActOnKeys(game, x, y, facingBefore);
  if (end == FrameEnd::Died) {
    ExplodeAt(game, x, y);
    return;
  }
  // More unids may have been taken than the level asked for.
  if (game.level.UnidsNeeded < 0) game.level.UnidsNeeded = 0;
}

void SetFacingFromDirection(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  const std::int16_t tilt = game.player.PushFrames != 0 ? kPushTilt : std::int16_t{0};
  if (cell.DirX > 0) {
    cell.FacingLeft = 0;
    cell.Angle = tilt;
  } else if (cell.DirX < 0) {
    cell.FacingLeft = 1;
    cell.Angle = static_cast<std::int16_t>(-tilt);
  } else {
    cell.Angle = tilt;
  }
  // Stepping down leans him forward, stepping up back, whichever way he faces.
  const bool facingRight = cell.FacingLeft == 0;
  if (cell.DirY == -1) cell.Angle = facingRight ? kStepTilt : static_cast<std::int16_t>(-kStepTilt);
  if (cell.DirY == 1) cell.Angle = facingRight ? static_cast<std::int16_t>(-kStepTilt) : kStepTilt;
}

void UpdatePlayerIdle(Game& game, int x, int y) {
  Random& random = game.random();
  const int turn = static_cast<int>(std::floor(random.Rnd() * 130));
  const int picture = static_cast<int>(std::floor(random.Rnd() * 80));
  const int row = static_cast<int>(std::floor(random.Rnd() * 50));
  LevelCell& cell = game.level.Grid(x, y);
  if (turn == 1) cell.FacingLeft = static_cast<std::int16_t>(1 - cell.FacingLeft);
  if (picture == 1) cell.Frame = static_cast<std::int16_t>(std::floor(random.Rnd() * 8) + 1);
  if (row == 1) {
    if (cell.FrameRow == 1)
      cell.FrameRow = 3;
    else if (cell.FrameRow == 3)
      cell.FrameRow = 1;
  }
}

}  // namespace brolt
