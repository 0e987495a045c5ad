#include "game/simulation/gravity.h"

namespace brolt {

// Falling and rolling come with the gravity module.
void UpdateFaller(Game&, int, int) {}
void UpdateFallerUp(Game&, int, int) {}
void UpdateBomb(Game&, int, int) {}
void StartFallDown(Game&, int, int) {}
void AnimateFall(Game&, int, int) {}
void AnimateFallUp(Game&, int, int) {}
void AnimateRoll(Game&, int, int, int, float, float, int) {}
void AnimateRollUp(Game&, int, int, int, float, float, int) {}

}  // namespace brolt
