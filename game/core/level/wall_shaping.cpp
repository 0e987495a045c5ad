#include "game/core/level/wall_shaping.h"

#include <cmath>

#include "game/core/level/cell_type_map.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

// The sheet column (from the type's StartFrame) and turn of a plain wall piece. An angle of -1
// turns the piece at random.
struct Piece {
  std::int16_t column;
  std::int16_t angle;
};
constexpr std::int16_t kRandomAngle = -1;

// Indexed by the walls around the cell: above 8, left 4, right 2, below 1. The edge piece faces its
// open side, the corner piece at 0 is open above and to the left and turns clockwise, the end piece
// at 0 joins a wall on its right, and the straight piece at 0 runs from top to bottom.
constexpr Piece kPlainPieces[16] = {
    {5, 0},             // none: single
    {3, 90},            // below: end
    {3, 0},             // right: end
    {0, 0},             // right, below: corner
    {3, 180},           // left: end
    {0, 90},            // left, below: corner
    {4, 90},            // left, right: straight
    {1, 0},             // left, right, below: edge
    {3, 270},           // above: end
    {4, 0},             // above, below: straight
    {0, 270},           // above, right: corner
    {1, 270},           // above, right, below: edge
    {0, 180},           // above, left: corner
    {1, 90},            // above, left, below: edge
    {1, 180},           // above, left, right: edge
    {2, kRandomAngle},  // all four: inner
};

// What wall shaping asks of a type: the scan asks it of 2600 cells and their neighbours.
enum WallFlag : unsigned char { kWall = 1, kShaped = 2, kEdge = 4 };
using WallFlags = TypeTable<unsigned char>;

WallFlags WorkOutWallFlags(const Game& game) {
  return WallFlags([&game](int type) {
    const ObjectDef& def = game.ObjectDefs[type];
    return static_cast<unsigned char>((def.IsWall ? kWall : 0) | (def.ShapedWall ? kShaped : 0) |
                                      (def.WallEdge ? kEdge : 0));
  });
}

struct Around {
  const CellTypeMap& types;
  const WallFlags& flags;
  bool Wall(int x, int y) const { return (flags[types(x, y)] & kWall) != 0; }
};

void ShapePlainWall(Game& game, const Around& around, LevelCell& cell, int x, int y) {
  const int pattern = (around.Wall(x, y + 1) ? 8 : 0) | (around.Wall(x - 1, y) ? 4 : 0) |
                      (around.Wall(x + 1, y) ? 2 : 0) | (around.Wall(x, y - 1) ? 1 : 0);
  const Piece& piece = kPlainPieces[pattern];
  cell.Angle = piece.angle == kRandomAngle
                   ? static_cast<std::int16_t>(std::floor(game.random().Rnd() * 4) * 90)
                   : piece.angle;
  const ObjectDef& def = game.ObjectDefs[cell.Type];
  cell.Frame = static_cast<std::int16_t>(def.StartFrame + piece.column);
  cell.FrameRow = def.StartRow;
}

// A shaped wall looks at the two neighbours beside its facing: F a quarter turn clockwise from it,
// S a quarter turn counter-clockwise. Its columns run: both walls, only F, only S, neither.
void ShapeShapedWall(const Game& game, const Around& around, LevelCell& cell, int x, int y) {
  // Offsets of F and S for the facings up, right, down, left.
  static constexpr int kFx[] = {1, 0, -1, 0};
  static constexpr int kFy[] = {0, -1, 0, 1};
  if (cell.Angle % 90 != 0 || cell.Angle < 0 || cell.Angle > 270) return;
  const int facing = cell.Angle / 90;
  const bool f = around.Wall(x + kFx[facing], y + kFy[facing]);
  const bool s = around.Wall(x - kFx[facing], y - kFy[facing]);
  // A wall placed without a direction takes its pieces from the other half of the sheet.
  const int lookType = (cell.DirX == 0 && cell.DirY == 0) ? ObjShapedWallB : ObjShapedWall;
  const int column = f ? (s ? 0 : 1) : (s ? 2 : 3);
  cell.Frame = static_cast<std::int16_t>(game.ObjectDefs[lookType].StartFrame + column);
}

}  // namespace

bool IsBlockedAt(const Game& game, int x, int y) { return game.ObjectDefs[game.level.Grid(x, y).Type].IsWall; }

void ShapeWalls(Game& game, const CellTypeMap& types) {
  // Shaping changes no cell's Type, so the map stays true to the grid all through the pass.
  constexpr GridBounds scan = FieldScanBounds();
  const WallFlags flags = WorkOutWallFlags(game);
  const Around around{types, flags};
  LevelGrid& grid = game.level.Grid;
  for (int y = scan.MinY; y <= scan.MaxY; ++y) {
    LevelCell* row = grid.Span(scan.MinX, scan.MaxX, y);
    for (int x = scan.MinX; x <= scan.MaxX; ++x) {
      const unsigned cellFlags = flags[types(x, y)];
      if ((cellFlags & (kShaped | kEdge)) == 0) continue;
      LevelCell& cell = row != nullptr ? row[x - scan.MinX] : grid(x, y);
      if ((cellFlags & kShaped) != 0) ShapeShapedWall(game, around, cell, x, y);
      if ((cellFlags & kEdge) != 0) ShapePlainWall(game, around, cell, x, y);
    }
  }
}

}  // namespace brolt
