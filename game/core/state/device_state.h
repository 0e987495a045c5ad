#pragma once
// State of the level's machinery that lasts the whole run: no level load resets it, but for the
// door swing, which ends with the level it ran in.
#include <cstdint>

namespace brolt {

struct DeviceState {
  // The position of all switches, flipped only by the Thresher.
  bool SwitchState = false;
  // Set when a thrown switch started doors swinging, cleared when a door swing ends and when a level
  // is loaded or restored from its checkpoint (no swing of the level before can end in it); a
  // switch does nothing while it is set.
  bool DoorsSwinging = false;
  // The kind the last hatcher hatched: 0 before the first hatch of the run, then ObjAraneaeB (3)
  // or ObjAraneaeA (2). The next hatch is the other kind, across all hatchers and levels.
  std::int16_t NextHatchType = 0;
};

}  // namespace brolt
