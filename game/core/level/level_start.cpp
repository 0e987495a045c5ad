#include "game/core/level/level_start.h"

#include "game/core/interfaces/presentation_services.h"
#include "game/core/level/level_loading.h"
#include "game/core/state/game.h"

namespace brolt {

void StartLevel(Game& game) {
  GameFlags& flags = game.flags;
  flags.LevelMusic = 1;
  game.services.music->StartLevelMusic();
  game.checkpoint.CheckpointSaved = false;
  flags.InMenu = false;
  LoadLevel(game, flags.CurrentLevel);
  game.keys.KeyPressed[scan::Enter] = 0;
}

}  // namespace brolt
