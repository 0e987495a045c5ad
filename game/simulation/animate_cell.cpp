#include "game/simulation/animate_cell.h"

#include <algorithm>
#include <iterator>

#include "common/numeric.h"
#include "game/core/anim_kind.h"
#include "game/core/game.h"
#include "game/simulation/arc_motion.h"
#include "game/simulation/devices.h"
#include "game/simulation/explosions.h"
#include "game/simulation/gravity.h"
#include "game/simulation/motion.h"

namespace brolt {

namespace {

// What a handler may take of its motion besides the cell.
struct MotionArgs {
  // Degrees a rolling object turns per frame: about half a turn over one cell.
  int step;
  // AnimEnd rounded.
  int frames;
};

using Handler = void (*)(Game&, int x, int y, const MotionArgs&);

struct Dispatch {
  AnimKindValue kind;
  Handler handler;
};

// clang-format off
constexpr Dispatch kHandlers[] = {
  {AnimPortalOpen,     [](Game& g, int x, int y, const MotionArgs&) { AnimatePortalOpen(g, x, y); }},
  {AnimGrab,           [](Game& g, int x, int y, const MotionArgs& a) { AnimateGrab(g, x, y, a.frames); }},
  {AnimArcBack,        [](Game& g, int x, int y, const MotionArgs&) { AnimateArc(g, x, y, -1); }},
  {AnimTurn,           [](Game& g, int x, int y, const MotionArgs&) { AnimateTurn(g, x, y); }},
  {AnimPushed,         [](Game& g, int x, int y, const MotionArgs& a) { AnimatePush(g, x, y, a.step); }},
  {AnimMove,           [](Game& g, int x, int y, const MotionArgs&) { AnimateWalk(g, x, y); }},
  {AnimFall,           [](Game& g, int x, int y, const MotionArgs&) { AnimateFall(g, x, y); }},
  {AnimRollLeft,       [](Game& g, int x, int y, const MotionArgs& a) { AnimateRoll(g, x, y, -1, 1.0f, 1.0f, a.step); }},
  {AnimRollRight,      [](Game& g, int x, int y, const MotionArgs& a) { AnimateRoll(g, x, y, 1, 1.0f, 1.0f, a.step); }},
  {AnimArc,            [](Game& g, int x, int y, const MotionArgs&) { AnimateArc(g, x, y, 1); }},
  {AnimBlast,          [](Game& g, int x, int y, const MotionArgs&) { AnimateBlast(g, x, y); }},
  {AnimShotFlight,     [](Game& g, int x, int y, const MotionArgs&) { AnimateShotFlight(g, x, y); }},
  {AnimGeneratorSpawn, [](Game& g, int x, int y, const MotionArgs& a) { AnimateGeneratorSpawn(g, x, y, a.frames); }},
  {AnimGeneratorEntry, [](Game& g, int x, int y, const MotionArgs& a) { AnimateGeneratorEntry(g, x, y, a.frames); }},
  {AnimCrack,          [](Game& g, int x, int y, const MotionArgs&) { AnimateCrack(g, x, y); }},
  {AnimCrush,          [](Game& g, int x, int y, const MotionArgs&) { AnimateCrush(g, x, y); }},
  {AnimDoorSwing,      [](Game& g, int x, int y, const MotionArgs&) { AnimateDoorSwing(g, x, y); }},
  {AnimCannonFire,     [](Game& g, int x, int y, const MotionArgs&) { AnimateCannonFire(g, x, y); }},
  {AnimKeyHoleOpen,    [](Game& g, int x, int y, const MotionArgs&) { AnimateKeyHoleOpen(g, x, y); }},
  {AnimVacate,         [](Game& g, int x, int y, const MotionArgs&) { ExpireCellIfDone(g, x, y); }},
  {AnimFallUp,         [](Game& g, int x, int y, const MotionArgs&) { AnimateFallUp(g, x, y); }},
  {AnimRollLeftUp,     [](Game& g, int x, int y, const MotionArgs& a) { AnimateRollUp(g, x, y, -1, 1.0f, 1.0f, a.step); }},
  {AnimRollRightUp,    [](Game& g, int x, int y, const MotionArgs& a) { AnimateRollUp(g, x, y, 1, 1.0f, 1.0f, a.step); }},
};
// clang-format on

Handler FindHandler(int kind) {
  const auto found =
      std::find_if(std::begin(kHandlers), std::end(kHandlers), [kind](const Dispatch& d) { return d.kind == kind; });
  return found == std::end(kHandlers) ? nullptr : found->handler;
}

}  // namespace

void AnimateCell(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  // No handler divides by a zero length: such a motion runs for one frame.
  if (cell.AnimEnd == 0.0f) cell.AnimEnd = 1.0f;
  const MotionArgs args{RoundToInt32(180.0 / cell.AnimEnd), RoundToInt32(cell.AnimEnd)};
  // One correction each way per frame.
  if (cell.Angle > 360) cell.Angle = static_cast<std::int16_t>(cell.Angle - 360);
  if (cell.Angle < -360) cell.Angle = static_cast<std::int16_t>(cell.Angle + 360);
  if (Handler handler = FindHandler(cell.AnimKind)) handler(game, x, y, args);
  // The handler may have replaced the cell; the count applies to what stands there now.
  LevelCell& after = game.level.Grid(x, y);
  after.AnimTime += 1.0f;
  if (after.AnimTime > after.AnimEnd) after.AnimTime = 0.0f;
}

}  // namespace brolt
