#pragma once
// State of the explosion rules that outlives one explosion.
#include <functional>

namespace brolt {

struct ExplosionState {
  // A running shield protects the Thresher only while this is set: every level start and checkpoint
  // restore sets it; the time-out and the self-destruct key clear it before he explodes. The
  // drawing side calls it ShieldAllowed.
  bool ShieldEnabled = true;
  // Told of every explosion before it happens, with its centre cell; empty in the game. Tests watch
  // explosions through it.
  std::function<void(int x, int y)> ExplodeWatcher;
};

}  // namespace brolt
