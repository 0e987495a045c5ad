#include "game/simulation/creatures.h"

#include <initializer_list>

#include "game/core/level/grid_queries.h"
#include "game/core/state/game.h"
#include "game/simulation/arc_motion.h"
#include "game/simulation/creature_directions.h"
#include "game/simulation/crushing.h"
#include "game/simulation/devices.h"
#include "game/simulation/explosions.h"
#include "game/simulation/gravity.h"
#include "game/simulation/motion.h"

namespace brolt {

namespace {

// The Angle a creature shows for each heading. The four tests run one after the other on the
// current heading, so with both components set the y component decides.
struct HeadingAngles {
  std::int16_t right;
  std::int16_t left;
  std::int16_t up;
  std::int16_t down;
};

void SetAngleFromHeading(LevelCell& cell, const HeadingAngles& angles) {
  if (cell.DirX == 1) cell.Angle = angles.right;
  if (cell.DirX == -1) cell.Angle = angles.left;
  if (cell.DirY == 1) cell.Angle = angles.up;
  if (cell.DirY == -1) cell.Angle = angles.down;
}

using CornerStep = void (*)(Game&, int x, int y, float factor, int dx, int dy);

// What sets the three wall followers apart.
struct CrawlerRules {
  // The turn code of the side the wall is kept on.
  int wallSide;
  // Pointing away from the wall; CheckCrawlerContact reads the Angle back in that sense.
  HeadingAngles angles;
  // The blast check ahead comes before the kill, or (ObjAraneaeA) after the marking.
  bool blastCheckFirst;
  // ObjAraneaeA marks itself for hatching beside an ObjAraneaeB.
  bool marks;
  CornerStep cornerStep;
  // The corner step's length in seconds per cell of speed, into a free cell.
  float cornerFactor;
};

// Into the late half of a fading blast every follower turns the corner at the same pace.
constexpr float kCornerFactorIntoBlast = 1.5f;

constexpr CrawlerRules kAraneaeA{TurnClockwise, {360, 180, 270, 90}, false, true, StepCrawler, 2.0f};
constexpr CrawlerRules kAraneaeB{TurnAnticlockwise, {180, 360, 90, 270}, true, false, StepCrawlerType3, 2.0f};
constexpr CrawlerRules kAraneaeC{TurnClockwise, {360, 180, 270, 90}, true, false, StepCrawler, 1.0f};

constexpr HeadingAngles kGnatAngles{90, 270, 360, 180};

constexpr std::int16_t kMarkedSteps = 5;

int TurnSense(int turn) { return turn == TurnClockwise ? 1 : -1; }

bool IsFree(const NeighbourInfo& neighbour) { return neighbour.Type == ObjEmpty; }

NeighbourInfo Ahead(const Game& game, int x, int y) { return TurnDirectionB(game, x, y, TurnStraight); }

void Turn(Game& game, int x, int y, int turn) {
  SetMoving(game, x, y, TurnSense(turn), 1);
  TurnDirectionA(game, x, y, turn);
}

void WalkAhead(Game& game, int x, int y) {
  const LevelCell& cell = game.level.Grid(x, y);
  MoveObject(game, x, y, cell.DirX, cell.DirY, 0);
}

// A blast or shot ahead: the follower waits before an early one and walks into a late one. True
// when the update ends here.
bool MeetsBlastAhead(Game& game, int x, int y) {
  const NeighbourInfo ahead = Ahead(game, x, y);
  switch (GetCellKind(game, ahead.X, ahead.Y)) {
    case CellBlastFirstHalf:
      CheckCrawlerContact(game, x, y);
      return true;
    case CellBlastSecondHalf:
      WalkAhead(game, x, y);
      return true;
    default:
      return false;
  }
}

// A creature kills the Thresher in the first of these directions that holds him; the explosion is
// centred on his cell. A running shield stops all killing.
bool KillsPlayer(Game& game, int x, int y, std::initializer_list<int> sides) {
  if (game.player.ShieldTime > 0) return false;
  for (int side : sides) {
    const NeighbourInfo neighbour = TurnDirectionB(game, x, y, side);
    if (neighbour.Type != ObjThresher) continue;
    ExplodeAt(game, neighbour.X, neighbour.Y);
    return true;
  }
  return false;
}

void MarkForHatching(Game& game, int x, int y) {
  if (game.player.ShieldTime > 0) return;
  LevelCell& cell = game.level.Grid(x, y);
  if (cell.DirY != 1 || TurnDirectionB(game, x, y, TurnClockwise).Type != ObjAraneaeB) return;
  cell.CrawlerFlag = true;
  cell.Countdown = kMarkedSteps;
}

// Turns toward the open wall side, steps round the wall's corner, or turns away from a blocked way
// ahead. True when the update ends here.
bool DecideTurn(Game& game, int x, int y, const CrawlerRules& rules) {
  const int wallSide = rules.wallSide;
  if (IsFree(TurnDirectionB(game, x, y, wallSide))) {
    Turn(game, x, y, wallSide);
    return false;
  }
  if (!IsFree(Ahead(game, x, y))) {
    Turn(game, x, y, 4 - wallSide);
    return false;
  }
  const DiagonalProbe corner = ProbeTurn(game, x, y, wallSide);
  switch (corner.Kind) {
    case CellEmpty:
    case CellBlastSecondHalf:
      rules.cornerStep(game, x, y, corner.Kind == CellEmpty ? rules.cornerFactor : kCornerFactorIntoBlast, corner.DX,
                       corner.DY);
      TurnDirectionA(game, x + corner.DX, y + corner.DY, wallSide);
      return false;
    case CellBlastFirstHalf:
      CheckCrawlerContact(game, x, y);
      return true;
    default:
      TurnDirectionA(game, x, y, TurnStraight);
      return false;
  }
}

void UpdateCrawler(Game& game, int x, int y, const CrawlerRules& rules) {
  if (game.player.FreezeTime > 0) return;
  SetAngleFromHeading(game.level.Grid(x, y), rules.angles);
  if (rules.blastCheckFirst && MeetsBlastAhead(game, x, y)) return;
  if (KillsPlayer(game, x, y, {TurnStraight, rules.wallSide})) return;
  if (rules.marks) MarkForHatching(game, x, y);
  if (!rules.blastCheckFirst && MeetsBlastAhead(game, x, y)) return;
  if (DecideTurn(game, x, y, rules)) return;
  // After a corner step (x, y) is the cell left behind, with Type 0 and the old fields: the
  // contact check still runs on it, and the walk moves nothing.
  if (CheckCrawlerContact(game, x, y)) return;
  if (game.level.Grid(x, y).AnimTime == 0.0f && IsFree(Ahead(game, x, y))) WalkAhead(game, x, y);
}

// The chaser turns clockwise, a quarter per update, while it sees the Thresher along its row or
// column and is not heading for him.
bool SeesPlayerElsewhere(const Game& game, int x, int y) {
  const LevelCell& cell = game.level.Grid(x, y);
  const float px = game.level.PlayerX;
  const float py = game.level.PlayerY;
  const auto fx = static_cast<float>(x);
  const auto fy = static_cast<float>(y);
  const bool elsewhere = (fx == px && py < fy && cell.DirY != -1) || (fx == px && py > fy && cell.DirY != 1) ||
                         (fy == py && px < fx && cell.DirX != -1) || (fy == py && px > fx && cell.DirX != 1);
  return elsewhere && CanSeePlayer(game, x, y);
}

void UpdateGnat(Game& game, int x, int y, int blockedTurn, bool chases) {
  if (game.player.FreezeTime > 0) return;
  SetAngleFromHeading(game.level.Grid(x, y), kGnatAngles);
  if (KillsPlayer(game, x, y, {TurnStraight})) return;
  if (CrushedFromAbove(game, x, y)) return;
  if (chases && SeesPlayerElsewhere(game, x, y)) {
    Turn(game, x, y, TurnClockwise);
    return;
  }
  if (game.level.Grid(x, y).AnimTime == 0.0f && IsFree(Ahead(game, x, y))) {
    WalkAhead(game, x, y);
    return;
  }
  Turn(game, x, y, blockedTurn);
}

// A marked follower whose count has run out lays its hatcher on anything but a creature, with
// room above for itself.
bool ReadyToHatch(const Game& game, int x, int y) {
  const LevelCell& cell = game.level.Grid(x, y);
  return cell.CrawlerFlag && cell.Countdown < 1 && !game.ObjectDefs[game.level.Grid(x, y - 1).Type].IsCreature &&
         game.level.Grid(x, y + 1).Type == ObjEmpty;
}

// Whether the follower in (x, y) is held by its wall or by what is below it; a marked one on a
// floor may lay a hatcher instead, which `hatched` reports.
bool IsSupported(Game& game, int x, int y, bool& hatched) {
  const LevelCell& cell = game.level.Grid(x, y);
  const bool below = IsCellOccupied(game, x, y - 1);
  switch (cell.Angle) {
    case 360:
      if (below && ReadyToHatch(game, x, y)) {
        TurnIntoHatcher(game, x, y);
        hatched = true;
      }
      return below;
    case 270: return IsCellSolid(game, x + 1, y) || below;
    case 180: return IsCellSolid(game, x, y + 1) || below;
    case 90: return IsCellSolid(game, x - 1, y) || below;
    default: return true;
  }
}

void StartCrawlerFall(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  cell.Angle = 360;
  if (cell.Type == ObjAraneaeA || cell.Type == ObjAraneaeC) cell.DirX = 1;
  if (cell.Type == ObjAraneaeB) cell.DirX = -1;
  cell.DirY = 0;
  // The cell a corner step has left holds nothing that could fall.
  if (cell.Type != ObjEmpty) StartFallDown(game, x, y);
}

void QueueCreatureSound(Game& game, int x, int y, SoundId crawler, SoundId flyer) {
  const int type = game.level.Grid(x, y).Type;
  if (type >= ObjAraneaeA && type <= ObjAraneaeC) QueueSound(game, crawler, x, y);
  if (type >= ObjGnatA && type <= ObjGoldUnidGnat) QueueSound(game, flyer, x, y);
}

}  // namespace

void UpdateAraneaeA(Game& game, int x, int y) { UpdateCrawler(game, x, y, kAraneaeA); }
void UpdateAraneaeB(Game& game, int x, int y) { UpdateCrawler(game, x, y, kAraneaeB); }
void UpdateAraneaeC(Game& game, int x, int y) { UpdateCrawler(game, x, y, kAraneaeC); }
void UpdateGnatA(Game& game, int x, int y) { UpdateGnat(game, x, y, TurnClockwise, false); }
void UpdateGnatB(Game& game, int x, int y) { UpdateGnat(game, x, y, TurnAnticlockwise, false); }
void UpdateGnatC(Game& game, int x, int y) { UpdateGnat(game, x, y, TurnClockwise, true); }

bool CheckCrawlerContact(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  if (cell.Countdown > 0) --cell.Countdown;
  bool hatched = false;
  const bool supported = IsSupported(game, x, y, hatched);
  if (hatched) return true;
  if (!supported) StartCrawlerFall(game, x, y);
  LevelCell& after = game.level.Grid(x, y);
  const LevelState& level = game.level;
  if (after.Type == ObjAraneaeC && static_cast<float>(x) == level.PlayerX && static_cast<float>(y) > level.PlayerY &&
      CanSeePlayer(game, x, y)) {
    after.Angle = 0;
    after.DirX = 1;
    return true;
  }
  return !supported;
}

void PlayCreatureSound(Game& game, int x, int y) { QueueCreatureSound(game, x, y, ARANEAE_CRAWL, GNAT_FLY); }

void PlayCreatureDeathSound(Game& game, int x, int y) { QueueCreatureSound(game, x, y, ARANEAE_DIE, GNAT_DIE); }

}  // namespace brolt
