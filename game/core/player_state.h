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
};

}  // namespace brolt
