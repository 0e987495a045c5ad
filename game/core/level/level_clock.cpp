#include "game/core/level/level_clock.h"

#include "game/core/interfaces/clock.h"
#include "game/core/state/game.h"

namespace brolt {

void AdvanceLevelClock(Game& game) {
  FrameTiming& timing = game.timing;
  const GameFlags& flags = game.flags;
  const std::uint32_t now = game.clock().TickCount();
  timing.SecondTick = false;
  timing.ElapsedMs = timing.FirstFrameDone ? static_cast<std::int32_t>(now - timing.PreviousFrameTicks) : 0;
  timing.PreviousFrameTicks = now;
  timing.FirstFrameDone = true;
  // Under the help or the options the level's clock and limit stand. The frame is still measured
  // above, so the first frame after the pause does not carry the pause's length.
  if (!HelpOrOptionsShown(flags) && !flags.Dead && !flags.NameEntry && timing.GetReadyCount >= timing.GetReadyTarget)
    timing.LevelMs += timing.ElapsedMs;

  if (now - timing.SecondBase >= 1000) {
    timing.SecondBase = now;
    if (!flags.InMenu && timing.GetReadyCount < timing.GetReadyTarget) ++timing.GetReadyCount;
  }

  if (timing.LevelMs > 999) {
    if (!flags.InMenu && timing.TimeLeft > 0 && !flags.Dead && !flags.NameEntry) {
      --timing.TimeLeft;
      if (timing.TimeLeft < 11) QueueSound(game, TIME_TICKING, -1, -1);
    }
    timing.SecondTick = true;
    // A long frame can hold more than one second; the clock catches up over the next frames.
    timing.LevelMs -= 1000;
    ++timing.LevelSeconds;
  }
  if (timing.LevelSeconds > 59) {
    timing.LevelSeconds = 0;
    if (timing.LevelMinutes < 99) ++timing.LevelMinutes;
  }
}

void EaseLightRadius(Game& game) {
  LevelState& level = game.level;
  if (level.LightRadius < level.LightRadiusTarget) level.LightRadius = static_cast<std::int16_t>(level.LightRadius + 3);
  if (level.LightRadius > level.LightRadiusTarget) level.LightRadius = static_cast<std::int16_t>(level.LightRadius - 3);
}

}  // namespace brolt
