// Hatchers: laid by marked wall followers, they grow and hatch into wall followers.
#include <cmath>

#include "game/core/level/cell_construction.h"
#include "game/core/state/game.h"
#include "game/simulation/devices.h"

namespace brolt {

namespace {

constexpr float kLaidScale = 0.7f;

void Hatch(Game& game, int x, int y) {
  // NextHatchType names the kind hatched last: the first hatch of a run is an ObjAraneaeB.
  std::int16_t& last = game.devices.NextHatchType;
  last = last == ObjAraneaeB ? std::int16_t{ObjAraneaeA} : std::int16_t{ObjAraneaeB};
  game.level.Grid.Set(x, y, MakeCell(game, last));
}

}  // namespace

void UpdateHatcher(Game& game, int x, int y) {
  LevelCell& cell = game.level.Grid(x, y);
  if (game.timing.SecondTick) --cell.Countdown;
  // A hatcher grows by Speed / 300 of its size a second, but not while the Thresher lies dead.
  if (!game.flags.Dead)
    cell.Scale = static_cast<float>(cell.Scale + static_cast<double>(game.ObjectDefs[cell.Type].Speed / 300.0f) /
                                                     game.timing.FramesPerSecond);
  if (game.timing.Tick30 == 0) ++cell.Frame;
  if (cell.Frame > 8) cell.Frame = 1;
  if (cell.Countdown == 0) Hatch(game, x, y);
}

void TurnIntoHatcher(Game& game, int x, int y) {
  LevelGrid& grid = game.level.Grid;
  LevelCell crawler = grid(x, y);
  crawler.CrawlerFlag = false;
  crawler.AnimKind = 0;
  grid.Set(x, y + 1, crawler);
  LevelCell hatcher = MakeCell(game, ObjHatcher);
  hatcher.Countdown = static_cast<std::int16_t>(std::floor(game.random().Rnd() * 5) + 30);
  hatcher.Scale = kLaidScale;
  grid.Set(x, y, hatcher);
}

}  // namespace brolt
