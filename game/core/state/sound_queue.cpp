#include "game/core/state/sound_queue.h"

#include <cmath>

#include "common/numeric.h"
#include "game/core/state/game.h"

namespace brolt {

void QueueSound(SoundQueue& queue, int id, int x, int y, float playerX, float playerY) {
  if (id < 1 || id > kSoundCount) return;
  std::int16_t distance = 0;
  std::int16_t pan = 0;
  if (x > -1 && y > -1) {
    const double dx = static_cast<double>(playerX) - x;
    const double dy = static_cast<double>(playerY) - y;
    distance = RoundToInt16(std::sqrt(dx * dx + dy * dy));
    pan = RoundToInt16(dx * 100.0);
  }
  SoundRequest& entry = queue.Entries[static_cast<std::size_t>(id)];
  entry.Flag = true;
  if (distance <= entry.Distance) {
    entry.Distance = distance;
    entry.Pan = pan;
  }
}

void QueueSound(Game& game, int id, int x, int y) {
  QueueSound(game.sounds, id, x, y, game.level.PlayerX, game.level.PlayerY);
}

void ResetSoundRequest(SoundRequest& request) {
  request.Flag = false;
  request.Distance = kNoSoundDistance;
}

}  // namespace brolt
