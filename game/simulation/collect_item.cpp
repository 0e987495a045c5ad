#include "game/simulation/collect_item.h"

#include "common/numeric.h"
#include "game/core/state/anim_kind.h"
#include "game/core/state/game.h"
#include "game/simulation/level_completion.h"

namespace brolt {

namespace {

// Seconds a freeze or shield power-up adds: 10 at the fastest game speed, 2 more per step slower.
std::int16_t AddPowerUpSeconds(const Game& game, std::int16_t seconds) {
  return RoundToInt16((9 - game.settings.GameSpeed) * 0.2 * 10 + (seconds + 10.0));
}

void CollectUnid(Game& game, const LevelCell& unid) {
  // A unid he grabbed from beside keeps vanishing for a few frames; walking into it then takes
  // nothing more.
  if (RoundHalfEven(unid.AnimTime) > 0 && unid.AnimKind == AnimGrab) return;
  LevelState& level = game.level;
  level.UnidsNeeded = SaturatingAdd16(level.UnidsNeeded, -1);
  if (level.UnidAward > 0) {
    std::int16_t& timeLeft = game.timing.TimeLeft;
    // A level without a time limit gets one.
    timeLeft = timeLeft >= 0 ? SaturatingAdd16(timeLeft, level.UnidAward) : level.UnidAward;
    game.player.TimeBonusAmount = level.UnidAward;
    game.player.TimeBonusTimer = 10.0f;
  }
  QueueSound(game, UNID_COLLECT, -1, -1);
}

}  // namespace

void CollectItem(Game& game, GridPoint item, GridPoint stand) {
  PlayerState& player = game.player;
  const LevelCell& taken = game.level.Grid(item.x, item.y);
  switch (taken.Type) {
    case ObjUnid:
      CollectUnid(game, taken);
      return;
    case ObjGrass:
      QueueSound(game, GRASS_COLLECT, -1, -1);
      return;
    case ObjFreezePowerup:
      player.FreezeTime = AddPowerUpSeconds(game, player.FreezeTime);
      break;
    case ObjShieldPowerup:
      player.ShieldTime = AddPowerUpSeconds(game, player.ShieldTime);
      break;
    case ObjCheckpointPowerup:
      SaveCheckpoint(game, item, stand);
      game.checkpoint.CheckpointSaved = true;
      break;
    case ObjBombPowerup:
      player.Bombs = SaturatingAdd16(player.Bombs, 1);
      break;
    case ObjShotPowerup:
      player.Shots = SaturatingAdd16(player.Shots, 1);
      break;
    default:
      return;
  }
  QueueSound(game, POWERUP_COLLECT, -1, -1);
}

}  // namespace brolt
