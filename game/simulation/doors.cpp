// Switches and doors: a thrown switch swings every door of the level.
#include "game/core/level/cell_construction.h"
#include "game/core/state/anim_kind.h"
#include "game/core/state/game.h"
#include "game/simulation/devices.h"

namespace brolt {

namespace {

constexpr float kSwingFrames = 8.0f;

// Starts one door's swing: sense -1 closing (pictures 8 down to 1), 1 opening (1 up to 8).
void SetDoorFrame(Game& game, int x, int y, int sense) {
  LevelCell& door = game.level.Grid(x, y);
  door.Frame = sense == -1 ? 8 : 1;
  door.AnimKind = AnimDoorSwing;
  door.AnimTime = 1.0f;
  door.AnimEnd = kSwingFrames;
  door.DirX = static_cast<std::int16_t>(sense);
}

void SwingDoor(Game& game, int x, int y, int becomes, int sense) {
  game.level.Grid.Set(x, y, MakeCell(game, becomes));
  SetDoorFrame(game, x, y, sense);
}

}  // namespace

bool ToggleDoors(Game& game) {
  // The level and one row and column past it.
  constexpr GridBounds scan = FieldScanBounds();
  bool swinging = false;
  for (int y = scan.MinY; y <= scan.MaxY; ++y) {
    for (int x = scan.MinX; x <= scan.MaxX; ++x) {
      const int type = game.level.Grid(x, y).Type;
      if (type == ObjDoorOpen) SwingDoor(game, x, y, ObjDoorClosed, -1);
      if (type == ObjDoorClosed) SwingDoor(game, x, y, ObjDoorOpen, 1);
      swinging = swinging || type == ObjDoorOpen || type == ObjDoorClosed;
    }
  }
  return swinging;
}

void AnimateDoorSwing(Game& game, int x, int y) {
  LevelCell& door = game.level.Grid(x, y);
  if (door.DirX == 1 && door.Frame < 8) ++door.Frame;
  if (door.DirX == -1 && door.Frame > 1) --door.Frame;
  // The switches work again once a swing has run its course.
  if (door.AnimTime == door.AnimEnd) game.devices.DoorsSwinging = false;
}

}  // namespace brolt
