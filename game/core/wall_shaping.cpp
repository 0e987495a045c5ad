#include "game/core/wall_shaping.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "common/numeric.h"
#include "game/core/game.h"
#include "game/core/world_geometry.h"

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

// Which cells count as wall, read once for the scanned cells and the ring around them: shaping
// changes no cell's Type, so what a neighbour counts as stays as it was read.
class WallMap {
 public:
  WallMap(const Game& game, int lastX, int lastY) : stride_(lastX + 3), walls_(static_cast<std::size_t>(stride_ * (lastY + 3))) {
    const LevelGrid& grid = game.level.Grid;
    for (int y = -1; y <= lastY + 1; ++y) {
      const LevelCell* row = grid.Span(-1, lastX + 1, y);
      for (int x = -1; x <= lastX + 1; ++x) {
        const LevelCell& cell = row != nullptr ? row[x + 1] : grid(x, y);
        walls_[Index(x, y)] = game.ObjectDefs[cell.Type].IsWall;
      }
    }
  }
  bool operator()(int x, int y) const { return walls_[Index(x, y)]; }

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>((y + 1) * stride_ + x + 1); }

  int stride_;
  std::vector<unsigned char> walls_;
};

void ShapePlainWall(Game& game, const WallMap& walls, LevelCell& cell, int x, int y) {
  const int pattern = (walls(x, y + 1) ? 8 : 0) | (walls(x - 1, y) ? 4 : 0) | (walls(x + 1, y) ? 2 : 0) |
                      (walls(x, y - 1) ? 1 : 0);
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
void ShapeShapedWall(const Game& game, const WallMap& walls, LevelCell& cell, int x, int y) {
  // Offsets of F and S for the facings up, right, down, left.
  static constexpr int kFx[] = {1, 0, -1, 0};
  static constexpr int kFy[] = {0, -1, 0, 1};
  if (cell.Angle % 90 != 0 || cell.Angle < 0 || cell.Angle > 270) return;
  const int facing = cell.Angle / 90;
  const bool f = walls(x + kFx[facing], y + kFy[facing]);
  const bool s = walls(x - kFx[facing], y - kFy[facing]);
  // A wall placed without a direction takes its pieces from the other half of the sheet.
  const int lookType = (cell.DirX == 0 && cell.DirY == 0) ? ObjShapedWallB : ObjShapedWall;
  const int column = f ? (s ? 0 : 1) : (s ? 2 : 3);
  cell.Frame = static_cast<std::int16_t>(game.ObjectDefs[lookType].StartFrame + column);
}

}  // namespace

bool IsBlockedAt(const Game& game, int x, int y) { return game.ObjectDefs[game.level.Grid(x, y).Type].IsWall; }

void ShapeWalls(Game& game) {
  const int lastX = static_cast<int>(RoundHalfEven(GridWidth));
  const int lastY = static_cast<int>(RoundHalfEven(GridHeight));
  const WallMap walls(game, lastX, lastY);
  LevelGrid& grid = game.level.Grid;
  for (int y = 0; y <= lastY; ++y) {
    LevelCell* row = grid.Span(0, lastX, y);
    for (int x = 0; x <= lastX; ++x) {
      LevelCell& cell = row != nullptr ? row[x] : grid(x, y);
      const ObjectDef& def = game.ObjectDefs[cell.Type];
      if (def.ShapedWall) ShapeShapedWall(game, walls, cell, x, y);
      if (def.WallEdge) ShapePlainWall(game, walls, cell, x, y);
    }
  }
}

}  // namespace brolt
