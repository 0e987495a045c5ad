#include "game/simulation/arc_motion.h"

#include <cmath>

#include "common/numeric.h"
#include "game/core/state/anim_kind.h"
#include "game/core/state/game.h"
#include "game/core/state/world_geometry.h"
#include "game/simulation/creatures.h"

namespace brolt {

namespace {

// Degrees to radians with the game's own value of pi.
constexpr double kRadiansPerDegree = 3.14159 / 180.0;

void StartCornerStep(Game& game, int x, int y, float factor, int dx, int dy, bool wholeFrames,
                     AnimKindValue kind) {
  if (factor == 0.0f) factor = 1.0f;
  LevelGrid& grid = game.level.Grid;
  const float cellsPerSecond = game.ObjectDefs[grid(x, y).Type].Speed / factor;
  const double frames = static_cast<double>(game.timing.FramesPerSecond) / cellsPerSecond;
  LevelCell moved = grid(x, y);
  moved.AnimTime = 1.0f;
  moved.AnimEnd = static_cast<float>(wholeFrames ? std::floor(frames) : frames);
  moved.OffsetX = static_cast<float>(-(dx * CellSize));
  moved.OffsetY = static_cast<float>(-(dy * CellSize));
  moved.AnimKind = kind;
  grid.Set(x + dx, y + dy, moved);
  grid(x, y).Type = ObjEmpty;
}

// One quadrant of the drawing offset: the angle on the circle is base + sense x progress, and the
// circle's centre is (centreX, centreY) cells from the moving cell, the corner cell of the wall.
struct ArcQuadrant {
  bool xPositive;
  bool yPositive;
  int base;
  int centreX;
  int centreY;
};

// clang-format off
constexpr ArcQuadrant kClockwiseArc[] = {
  {false, true,    0, -1,  0},
  {true,  true,   90,  0,  1},
  {true,  false, 180,  1,  0},
  {false, false, 270,  0, -1},
};
constexpr ArcQuadrant kAnticlockwiseArc[] = {
  {false, true,  270,  0,  1},
  {true,  true,  360,  1,  0},
  {true,  false,  90,  0, -1},
  {false, false, 180, -1,  0},
};
// clang-format on

bool InQuadrant(const LevelCell& cell, const ArcQuadrant& quadrant) {
  const bool xMatches = quadrant.xPositive ? cell.OffsetX > 0.0f : cell.OffsetX < 0.0f;
  const bool yMatches = quadrant.yPositive ? cell.OffsetY > 0.0f : cell.OffsetY < 0.0f;
  return xMatches && yMatches;
}

// Each quadrant is tested on the offsets as the ones before it have left them.
void MoveAlongArc(LevelCell& cell, int progress, int sense) {
  const double c = CellSize;
  for (const ArcQuadrant& quadrant : sense == 1 ? kClockwiseArc : kAnticlockwiseArc) {
    if (!InQuadrant(cell, quadrant)) continue;
    const double radians = (quadrant.base + sense * progress) * kRadiansPerDegree;
    cell.OffsetX = static_cast<float>(c * std::sin(radians) + quadrant.centreX * c);
    cell.OffsetY = static_cast<float>(c * std::cos(radians) + quadrant.centreY * c);
  }
}

}  // namespace

void StepCrawler(Game& game, int x, int y, float factor, int dx, int dy) {
  StartCornerStep(game, x, y, factor, dx, dy, false, AnimArc);
}

void StepCrawlerType3(Game& game, int x, int y, float factor, int dx, int dy) {
  StartCornerStep(game, x, y, factor, dx, dy, true, AnimArcBack);
}

void AnimateArc(Game& game, int x, int y, int sense) {
  LevelCell& cell = game.level.Grid(x, y);
  const int progress = RoundToInt32(90.0f / cell.AnimEnd * cell.AnimTime);
  MoveAlongArc(cell, progress, sense);
  TurnCreaturePicture(game, x, y, sense);
}

void TurnCreaturePicture(Game& game, int x, int y, int sense) {
  LevelCell& cell = game.level.Grid(x, y);
  if (sense != 0)
    cell.Angle = RoundToInt16(static_cast<float>(cell.Angle) + static_cast<float>(sense) * (90.0f / cell.AnimEnd));
  const ObjectDef& def = game.ObjectDefs[cell.Type];
  if (game.timing.Tick30 == 0) ++cell.Frame;
  if (cell.Frame > def.FrameCount) {
    cell.Frame = def.StartFrame;
    ++cell.FrameRow;
    if (cell.FrameRow > def.StartRow + def.RowCount - 1) cell.FrameRow = def.StartRow;
  }
  PlayCreatureSound(game, x, y);
}

}  // namespace brolt
