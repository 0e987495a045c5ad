#pragma once
// What the Thresher holds and the time bonus he last earned. Every level load clears the holdings.
#include <cstdint>

namespace brolt {

struct PlayerState {
  // Shots and bombs held.
  std::int16_t Shots = 0;
  std::int16_t Bombs = 0;
  // Seconds of shield and of creature freeze left, counted down once a second.
  std::int16_t ShieldTime = 0;
  std::int16_t FreezeTime = 0;
  // The time bonus of the last unid collected, and how long its "+" read-out stays shown. The
  // heads-up display calls them BonusSeconds and BonusSlide.
  std::int32_t TimeBonusAmount = 0;
  float TimeBonusTimer = 0.0f;

  // Added by the keyboard (the Thresher's rules own them): frames spent pushing since the last push
  // or key release, and the latch that lets a switch turn only once per press of the arrow key that
  // threw it (SwitchLatchKey, a scan code). Any key release clears PushFrames and SwitchLatch; a new
  // press of that arrow clears the latch.
  std::int32_t PushFrames = 0;
  bool SwitchLatch = false;
  std::int16_t SwitchLatchKey = 0;
};

}  // namespace brolt
