#include "game/simulation/player.h"

namespace brolt {

// The Thresher's rules come with the player module.
void UpdatePlayer(Game&, int, int) {}
void SetFacingFromDirection(Game&, int, int) {}

}  // namespace brolt
