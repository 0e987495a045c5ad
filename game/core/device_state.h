#pragma once
// State of the level's machinery that lasts the whole run: no level load resets it.
namespace brolt {

struct DeviceState {
  // The position of all switches, flipped only by the Thresher.
  bool SwitchState = false;
};

}  // namespace brolt
