#include "game/simulation/devices.h"

namespace brolt {

// The device rules and animations come with the devices module.
void UpdateHatcher(Game&, int, int) {}
void OpenExitPortal(Game&, int, int) {}
void UpdateCannon(Game&, int, int) {}
void UpdateRockGenerator(Game&, int, int) {}
void EnterGenerator(Game&, int, int) {}
void StartUnidCrack(Game&, int, int) {}
void AnimatePortalOpen(Game&, int, int) {}
void AnimateGrab(Game&, int, int, int) {}
void AnimateTurn(Game&, int, int) {}
void AnimateGeneratorSpawn(Game&, int, int, int) {}
void AnimateGeneratorEntry(Game&, int, int, int) {}
void AnimateCrack(Game&, int, int) {}
void AnimateCrush(Game&, int, int) {}
void AnimateDoorSwing(Game&, int, int) {}
void AnimateCannonFire(Game&, int, int) {}
void AnimateKeyHoleOpen(Game&, int, int) {}

}  // namespace brolt
