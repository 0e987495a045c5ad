#pragma once
// State of the explosion rules that outlives one explosion.
namespace brolt {

struct ExplosionState {
  // A running shield protects the Thresher only while this is set: every level start and checkpoint
  // restore sets it; the time-out and the self-destruct key clear it before he explodes. The
  // drawing side calls it ShieldAllowed.
  bool ShieldEnabled = true;
};

}  // namespace brolt
