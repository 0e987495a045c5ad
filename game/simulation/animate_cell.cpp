#include "game/simulation/animate_cell.h"

#include "common/numeric.h"
#include "game/core/state/anim_kind.h"
#include "game/core/state/game.h"
#include "game/simulation/arc_motion.h"
#include "game/simulation/devices.h"
#include "game/simulation/explosions.h"
#include "game/simulation/gravity.h"
#include "game/simulation/motion.h"

namespace brolt {

namespace {

// Degrees a rolling or pushed object turns per frame: about half a turn over one cell.
int TurnStep(float animEnd) { return RoundToInt32(180.0 / animEnd); }
// The motion's length in whole frames.
int Frames(float animEnd) { return RoundToInt32(animEnd); }

// Hands the cell to the handler of its motion; a kind without one only counts its frames. A switch,
// not a table search: every moving cell comes through here every frame.
void RunHandler(Game& game, int x, int y, int kind, float animEnd) {
  switch (kind) {
    case AnimPortalOpen: AnimatePortalOpen(game, x, y); break;
    case AnimGrab: AnimateGrab(game, x, y, Frames(animEnd)); break;
    case AnimArcBack: AnimateArc(game, x, y, -1); break;
    case AnimTurn: AnimateTurn(game, x, y); break;
    case AnimPushed: AnimatePush(game, x, y, TurnStep(animEnd)); break;
    case AnimMove: AnimateWalk(game, x, y); break;
    case AnimFall: AnimateFall(game, x, y); break;
    case AnimRollLeft: AnimateRoll(game, x, y, -1, 1.0f, 1.0f, TurnStep(animEnd)); break;
    case AnimRollRight: AnimateRoll(game, x, y, 1, 1.0f, 1.0f, TurnStep(animEnd)); break;
    case AnimArc: AnimateArc(game, x, y, 1); break;
    case AnimBlast: AnimateBlast(game, x, y); break;
    case AnimShotFlight: AnimateShotFlight(game, x, y); break;
    case AnimGeneratorSpawn: AnimateGeneratorSpawn(game, x, y, Frames(animEnd)); break;
    case AnimGeneratorEntry: AnimateGeneratorEntry(game, x, y, Frames(animEnd)); break;
    case AnimCrack: AnimateCrack(game, x, y); break;
    case AnimCrush: AnimateCrush(game, x, y); break;
    case AnimDoorSwing: AnimateDoorSwing(game, x, y); break;
    case AnimCannonFire: AnimateCannonFire(game, x, y); break;
    case AnimKeyHoleOpen: AnimateKeyHoleOpen(game, x, y); break;
    case AnimVacate: ExpireCellIfDone(game, x, y); break;
    case AnimFallUp: AnimateFallUp(game, x, y); break;
    case AnimRollLeftUp: AnimateRollUp(game, x, y, -1, 1.0f, 1.0f, TurnStep(animEnd)); break;
    case AnimRollRightUp: AnimateRollUp(game, x, y, 1, 1.0f, 1.0f, TurnStep(animEnd)); break;
    default: break;
  }
}

}  // namespace

void AnimateCell(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  // No handler divides by a zero length: such a motion runs for one frame.
  if (cell.AnimEnd == 0.0f) cell.AnimEnd = 1.0f;
  // One correction each way per frame.
  if (cell.Angle > 360) cell.Angle = static_cast<std::int16_t>(cell.Angle - 360);
  if (cell.Angle < -360) cell.Angle = static_cast<std::int16_t>(cell.Angle + 360);
  RunHandler(game, x, y, cell.AnimKind, cell.AnimEnd);
  // The handler may have replaced the cell, in place; the count applies to what stands there now.
  cell.AnimTime += 1.0f;
  if (cell.AnimTime > cell.AnimEnd) cell.AnimTime = 0.0f;
}

}  // namespace brolt
