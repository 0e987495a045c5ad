#pragma once
// State of the falling rules that outlives one fall.

namespace brolt {

struct GravityState {
  // The side the next object to roll off something round tries first. Every roll to the left clears
  // it and every roll to the right sets it, so successive rolls anywhere alternate their first
  // choice. Kept for the whole run of the program, across levels.
  bool RollLeftFirst = false;
};

}  // namespace brolt
