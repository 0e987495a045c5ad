#pragma once
// Keys held and released between frames of play, left in the key tables as the keyboard poll and
// the window's key-release handler leave them:
//
//   testing::ScriptedKeys keys(t.game);
//   keys.Press(scan::Right);    // goes down: held from now on, and the arrow pressed last
//   t.PlayFrame();
//   keys.Release(scan::Right);  // a key release also ends pushing and the switch latch
//   keys.Hold({scan::Up, scan::Left});  // exactly these down: others released, new ones pressed
#include <algorithm>
#include <cstddef>
#include <initializer_list>

#include "game/core/state/game.h"

namespace brolt::testing {

class ScriptedKeys {
 public:
  explicit ScriptedKeys(Game& game) : game_(game) {}

  void Press(int scanCode) {
    game_.keys.KeyDown[Index(scanCode)] = 1;
    game_.keys.KeyPressed[Index(scanCode)] = 1;
    if (scanCode != scan::Up && scanCode != scan::Down && scanCode != scan::Left && scanCode != scan::Right) return;
    game_.keys.LastArrowKey = scanCode;
    if (scanCode == game_.player.SwitchLatchKey) game_.player.SwitchLatch = false;
  }
  void Release(int scanCode) {
    game_.keys.KeyDown[Index(scanCode)] = 0;
    game_.keys.KeyPressed[Index(scanCode)] = 0;
    game_.player.PushFrames = 0;
    game_.player.SwitchLatch = false;
  }
  // Releases every key not listed, then presses the listed keys that are not down yet, in order.
  void Hold(std::initializer_list<int> held) {
    for (std::size_t code = 0; code < game_.keys.KeyDown.size(); ++code)
      if (game_.keys.KeyDown[code] != 0 && std::find(held.begin(), held.end(), static_cast<int>(code)) == held.end())
        Release(static_cast<int>(code));
    for (int key : held)
      if (game_.keys.KeyDown[Index(key)] == 0) Press(key);
  }
  void ReleaseAll() {
    for (std::size_t code = 0; code < game_.keys.KeyDown.size(); ++code)
      if (game_.keys.KeyDown[code] != 0) Release(static_cast<int>(code));
  }

 private:
  static std::size_t Index(int scanCode) { return static_cast<std::size_t>(scanCode); }
  Game& game_;
};

}  // namespace brolt::testing
