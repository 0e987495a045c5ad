#pragma once
// State of the level's machinery that lasts the whole run: no level load resets it.
namespace brolt {

struct DeviceState {
  // The position of all switches, flipped only by the Thresher.
  bool SwitchState = false;
  // Added with the Thresher's rules: set when he throws a switch, cleared by the door swing at its
  // end; a switch does nothing while it is set.
  bool DoorsSwinging = false;
};

}  // namespace brolt
