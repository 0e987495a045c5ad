#include "game/core/state/frame_timing.h"

#include <algorithm>

#include "common/numeric.h"
#include "game/core/interfaces/clock.h"

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

void AdvanceFrameRate(FrameTiming& timing, Clock& clock) {
  if (timing.FrameRateNow > 0) {
    timing.SpinAngle = RoundToInt16(timing.SpinAngle + 600.0 / timing.FrameRateNow);
    if (timing.SpinAngle > 360) timing.SpinAngle = static_cast<std::int16_t>(timing.SpinAngle - 360);
  }
  if (timing.FrameMs > 0) {
    timing.FrameRateNow = RoundToInt16(1000.0 / timing.FrameMs);
    timing.FpsSum += timing.FrameRateNow;
    timing.FpsFrames += 1;
    timing.FramesPerSecond = std::max<std::int32_t>(
        RoundToInt32(static_cast<double>(timing.FpsSum) / static_cast<double>(timing.FpsFrames)), 10);
  }
  timing.CounterNow = clock.PerformanceCounter();
  if (timing.CounterFrequency > 0)
    timing.FrameMs = static_cast<double>(timing.CounterNow - timing.CounterPrev) / timing.CounterFrequency * 1000.0;
  timing.CounterPrev = clock.PerformanceCounter();
}

void AdvanceTicks(FrameTiming& timing) {
  if (++timing.Tick30 >= timing.FramesPerSecond / 30.0) timing.Tick30 = 0;
  if (++timing.Tick15 >= timing.FramesPerSecond / 15.0) timing.Tick15 = 0;
}

}  // namespace brolt
