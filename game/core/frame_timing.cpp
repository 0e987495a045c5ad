#include "game/core/frame_timing.h"

#include <algorithm>

#include "common/numeric.h"
#include "game/core/clock.h"

namespace brolt {

void ResetTickCounters(FrameTiming& timing, Clock& clock) {
  timing.FpsFrames = 0;
  timing.FpsSum = 0;
  timing.GetReadyCount = 0;
  timing.SecondBase = clock.TickCount();
}

std::string MakeClockText(int minutes, int seconds, int milliseconds) {
  return PadNumber(minutes, 2) + ":" + PadNumber(seconds, 2) + "." +
         PadNumber(std::clamp(milliseconds, 0, 999) / 10, 2);
}

}  // namespace brolt
