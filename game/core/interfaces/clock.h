#pragma once
// The time sources of the main loop, behind an interface so that tests run on a fake clock.
#include <cstdint>

namespace brolt {

class Clock {
 public:
  virtual ~Clock() = default;
  // A high-resolution counter and its ticks per second (the frame timing).
  virtual std::int64_t PerformanceCounter() = 0;
  virtual std::int64_t PerformanceFrequency() = 0;
  // Milliseconds since an arbitrary start (the level clock and the get-ready second).
  virtual std::uint32_t TickCount() = 0;
  // The year of the system date (the menu's version line).
  virtual int CurrentYear();
};

}  // namespace brolt
