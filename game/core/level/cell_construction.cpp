#include "game/core/level/cell_construction.h"

#include <cmath>

#include "game/core/drawing/texture_id.h"
#include "game/core/level/object_types.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

// Int(Rnd x n): a whole number 0..n-1.
std::int16_t RandomBelow(Game& game, int n) {
  return static_cast<std::int16_t>(std::floor(game.random().Rnd() * n));
}
std::int16_t RandomAngle(Game& game) { return RandomBelow(game, 360); }
std::int16_t RandomFrame(Game& game) { return static_cast<std::int16_t>(RandomBelow(game, 8) + 1); }

// The starting picture of a type.
void SetDefLook(const Game& game, LevelCell& cell, int lookType) {
  const ObjectDef& def = game.ObjectDefs[lookType];
  cell.Frame = def.StartFrame;
  cell.FrameRow = def.StartRow;
}

// A random angle and picture, the row one of `rows` rows from `firstRow` (drawn in that order).
void SetRandomLook(Game& game, LevelCell& cell, int rows, int firstRow, float scale) {
  cell.Angle = RandomAngle(game);
  cell.Frame = RandomFrame(game);
  cell.FrameRow = static_cast<std::int16_t>(RandomBelow(game, rows) + firstRow);
  cell.Scale = scale;
}

// The facing of a cannon or shaped wall from the digit of its code (0 up, 1 right, 2 down, 3 left).
void SetFacing(LevelCell& cell, int quarterTurns) {
  static constexpr std::int16_t kDirX[] = {0, 1, 0, -1};
  static constexpr std::int16_t kDirY[] = {1, 0, -1, 0};
  cell.DirX = kDirX[quarterTurns];
  cell.DirY = kDirY[quarterTurns];
  cell.Angle = static_cast<std::int16_t>(quarterTurns * 90);
}

// Fills the cell for a code that builds an object, its Type already set.
void BuildLook(Game& game, LevelCell& cell, int code) {
  switch (code) {
    case 2: case 4:
      SetDefLook(game, cell, code);
      cell.DirX = 1;
      cell.Scale = code == 4 ? 1.3f : 1.0f;
      return;
    case 3:
      SetDefLook(game, cell, code);
      cell.DirX = -1;
      cell.Scale = 1.0f;
      return;
    case 5: case 6: case 7: case 8:
      SetDefLook(game, cell, code);
      cell.DirY = 1;
      cell.Scale = code == 7 ? 1.3f : 1.0f;
      if (code == ObjGoldUnidGnat) cell.Mark = ObjUnid;
      return;
    case 10: case 11: case 12: case 13: case 14: case 15: case 16: case 17:
      // The single-wall piece, until wall shaping chooses the piece that joins the neighbours.
      SetDefLook(game, cell, code);
      cell.Frame = 6;
      return;
    case 20:
      SetRandomLook(game, cell, 2, 1, 1.1f);
      return;
    case 21:
      SetRandomLook(game, cell, 8, 1, 1.0f);
      return;
    case 22: case 23: case 25:
      cell.Angle = RandomAngle(game);
      SetDefLook(game, cell, code);
      return;
    case 24:
      cell.Angle = RandomAngle(game);
      SetDefLook(game, cell, code);
      cell.Countdown = static_cast<std::int16_t>(RandomBelow(game, 5) + 30);
      cell.Scale = 0.7f;
      return;
    case 34: case 35: case 36: case 37:
      SetDefLook(game, cell, ObjCannon);
      SetFacing(cell, code - 34);
      return;
    case 39: case 60: case 61: case 62: case 63: case 64:
      SetDefLook(game, cell, code);
      cell.Scale = 1.0f;
      return;
    case 40: case 41: case 42: case 43:
      SetDefLook(game, cell, ObjShapedWall);
      SetFacing(cell, code - 40);
      cell.Scale = 1.0f;
      return;
    case 44:
      // Placed without a direction: the look of its own sheet column.
      SetDefLook(game, cell, ObjShapedWallB);
      cell.Scale = 1.0f;
      return;
    case 45:
      cell.Angle = static_cast<std::int16_t>(RandomBelow(game, 4) * 90);
      cell.Frame = game.ObjectDefs[ObjGrass].StartFrame;
      cell.FrameRow = static_cast<std::int16_t>(RandomBelow(game, 8) + 1);
      return;
    case 70: case 71: case 72: case 73: case 74: case 96:
      cell.Angle = RandomAngle(game);
      cell.Frame = RandomFrame(game);
      cell.FrameRow = game.ObjectDefs[code].StartRow;
      cell.Scale = 1.0f;
      return;
    case 95: case 97: case 98:
      SetRandomLook(game, cell, 2, 3, 1.1f);
      return;
    default:
      break;
  }
  if (code >= 85 && code <= 94) {
    // Inert tiles: two codes per picture row, odd codes in column 7 and even codes in column 8.
    cell.Frame = code % 2 == 1 ? 7 : 8;
    cell.FrameRow = static_cast<std::int16_t>((code - 85) / 2 + 2);
    return;
  }
  // 0, 1, 9, 29, 30, 50..59, 99: the type's own picture and nothing else.
  SetDefLook(game, cell, code);
}

// MakeCell written into `cell`.
void BuildCell(Game& game, int code, LevelCell& cell) {
  cell = LevelCell{};
  const ObjectType type = TileCodeType(code);
  if (type != ObjEmpty || code == 0) {
    cell.Type = type;
    BuildLook(game, cell, code);
  }
  cell.ExplodeRadius = game.ObjectDefs[cell.Type].ExplodeRadius;
}

// The codes whose look BuildLook draws at random (MakeCell's comment in the header counts them).
bool DrawsRandom(int code) {
  switch (code) {
    case 20: case 21: case 22: case 23: case 24: case 25: case 45:
    case 70: case 71: case 72: case 73: case 74: case 95: case 96: case 97: case 98:
      return true;
    default:
      return false;
  }
}

}  // namespace

LevelCell MakeCell(Game& game, int code) {
  LevelCell cell;
  BuildCell(game, code, cell);
  return cell;
}

std::int16_t LevelCellMaker::MakeFirst(int code, LevelCell& cell) {
  BuildCell(game_, code, cell);
  if (code < 0 || code >= kCodes || DrawsRandom(code)) return cell.Type;
  built_[static_cast<std::size_t>(code)] = cell;
  made_[static_cast<std::size_t>(code)] = true;
  return cell.Type;
}

LevelCell MakeCellKeepingAngle(Game& game, int type, int x, int y) {
  LevelCell cell;
  if (type != ObjUnid) return cell;
  cell.Type = ObjUnid;
  cell.Angle = game.level.Grid(x, y).Angle;
  SetDefLook(game, cell, ObjUnid);
  return cell;
}

FloorCell MakeFloorCell(int kind, int dirX, int dirY) {
  FloorCell floor;
  if (kind != FloorForce) return floor;
  floor.Kind = FloorForce;
  floor.Frame = 1;
  floor.FrameRow = 1;
  floor.Depth = 5;
  floor.Texture = TexPortals;
  floor.DirX = static_cast<std::int16_t>(dirX);
  floor.DirY = static_cast<std::int16_t>(dirY);
  // Later tests win, as the pair is meant to have one non-zero component.
  if (dirY == 1) floor.Angle = 0;
  if (dirY == -1) floor.Angle = 180;
  if (dirX == 1) floor.Angle = 90;
  if (dirX == -1) floor.Angle = 270;
  return floor;
}

}  // namespace brolt
