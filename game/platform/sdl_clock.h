#pragma once
// The game's time sources over SDL's high-resolution counter and millisecond ticks.
#include "game/core/interfaces/clock.h"

namespace brolt {

class SdlClock final : public Clock {
 public:
  std::int64_t PerformanceCounter() override;
  std::int64_t PerformanceFrequency() override;
  std::uint32_t TickCount() override;
};

}  // namespace brolt
