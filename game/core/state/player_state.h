#pragma once
// What the Thresher holds, the time bonus he last earned, and the counters of his own frame. Every
// level load clears the holdings.
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

  // Frames spent pushing since the last push or key release; above 0 he shows the pushing pose.
  std::int16_t PushFrames = 0;
  // Frames in a row without an arrow direction; held at five seconds' worth while he idles.
  std::int16_t IdleFrames = 0;
  // Frames left of the turning pose.
  std::int16_t TurnFrames = 0;
  // Set when he throws a switch, so that a held arrow throws it only once; cleared by any key
  // release and by the latched arrow going down again.
  bool SwitchLatch = false;
  // The arrow key (a scan code) that threw the switch.
  std::int32_t SwitchLatchKey = 0;
};

}  // namespace brolt
