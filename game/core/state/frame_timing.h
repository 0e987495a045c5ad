#pragma once
// Frame timing and the level clock.
#include <cstdint>
#include <string>

namespace brolt {

class Clock;

struct FrameTiming {
  std::int64_t CounterFrequency = 0;
  std::int64_t CounterNow = 0;
  std::int64_t CounterPrev = 0;
  double FrameMs = 0.0;
  std::int16_t FrameRateNow = 0;
  // 64-bit so that a game left running for days cannot overflow the average.
  std::int64_t FpsSum = 0;
  std::int64_t FpsFrames = 0;
  // 0 until the first frame has been measured: the play update waits for it.
  std::int32_t FramesPerSecond = 0;
  std::int32_t Tick30 = 0;
  std::int32_t Tick15 = 0;
  std::int16_t SpinAngle = 0;
  std::int32_t ElapsedMs = 0;
  // The system timer at the end of the previous frame; ElapsedMs is measured from it.
  std::uint32_t PreviousFrameTicks = 0;
  bool FirstFrameDone = false;

  std::int32_t LevelMs = 0;
  std::int16_t LevelSeconds = 0;
  std::int16_t LevelMinutes = 0;
  std::string ClockText = "00:00.00";
  bool SecondTick = false;

  // Seconds left of the time limit; -1 no limit, -2 after the time-out death.
  std::int16_t TimeLeft = -1;
  std::int16_t GetReadyCount = 0;
  std::int16_t GetReadyTarget = 1;
  std::uint32_t SecondBase = 0;
};

// Restarts the frame-rate average and the get-ready second: after a level load, a checkpoint
// restore and every pause.
void ResetTickCounters(FrameTiming& timing, Clock& clock);

// The level clock as "mm:ss.hh"; the hundredths are the milliseconds divided by 10.
std::string MakeClockText(int minutes, int seconds, int milliseconds);

// Measures the frame just ended and derives the rates every speed is divided by: the spin angle,
// the instant and average frame rates (the average never below 10) and the frame's length.
void AdvanceFrameRate(FrameTiming& timing, Clock& clock);

// The 30- and 15-per-second tick counters: 0 marks the frame of a tick.
void AdvanceTicks(FrameTiming& timing);

}  // namespace brolt
