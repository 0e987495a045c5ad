#include "game/simulation/arc_motion.h"

namespace brolt {

// The arc motion comes with its module.
void AnimateArc(Game&, int, int, int) {}

}  // namespace brolt
