#include "game/simulation/creatures.h"

namespace brolt {

// The creatures' rules come with the creatures module.
void UpdateAraneaeA(Game&, int, int) {}
void UpdateAraneaeB(Game&, int, int) {}
void UpdateAraneaeC(Game&, int, int) {}
void UpdateGnatA(Game&, int, int) {}
void UpdateGnatB(Game&, int, int) {}
void UpdateGnatC(Game&, int, int) {}
void PlayCreatureSound(Game&, int, int) {}
void PlayCreatureDeathSound(Game&, int, int) {}

}  // namespace brolt
