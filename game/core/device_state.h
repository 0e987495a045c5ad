#pragma once
// State of the level's machinery that lasts the whole run: no level load resets it.
#include <cstdint>

namespace brolt {

struct DeviceState {
  // The position of all switches, flipped only by the Thresher.
  bool SwitchState = false;
  // Set by the Thresher when a switch toggles the doors, cleared when a door swing ends; a switch
  // does nothing while it is set.
  bool DoorsSwinging = false;
  // The kind the last hatcher hatched: 0 before the first hatch of the run, then ObjAraneaeB (3)
  // or ObjAraneaeA (2). The next hatch is the other kind, across all hatchers and levels.
  std::int16_t NextHatchType = 0;
};

}  // namespace brolt
