#pragma once
// The menus' state that level completion also writes: the launch animation of the level list.
#include <cstdint>

namespace brolt {

struct MenuState {
  // The level whose title the level list animates, 0 for none (LevelListHighlight of the rules).
  std::int16_t LaunchLevel = 0;
  // 0 while the chosen level is launched, 1 while the finished level returns to the list.
  std::int16_t LaunchPhase = 0;
  // 0..5, taken off the animated title's size (LevelListFade of the rules).
  std::int32_t LaunchShrink = 0;
  // Red, green and blue of the animated title, always equal.
  std::int16_t MenuLevelColour = 0;
  // The list moves its selection on by one level once (LevelListStepNext of the rules).
  bool AdvanceAfterFinish = false;
};

}  // namespace brolt
