#pragma once
// The frame's sound requests. Any rule asks for an effect at a cell; at the end of the frame the
// presentation plays each requested effect once, placed at its nearest request.
#include <array>
#include <cstdint>

namespace brolt {

struct Game;

enum SoundId : std::int16_t {
  ARANEAE_CRAWL = 1, ARANEAE_DIE, BOMB_EXPLODE, DOOR_OPEN, EXIT_EXPLODE, EXIT_LEVEL, EXIT_OPEN,
  GAME_OVER, GNAT_DIE, GNAT_FLY, GRASS_COLLECT, KEYBOARD_INPUT, MENU_MOVE, MENU_NA, MENU_SELECT,
  PORTAL_ZOOM, POWERUP_COLLECT, ROCK_GENERATOR, ROCK_HIT, ROCK_PUSH, ROCK_ROLL, THRESHER_SHOOT,
  TIME_TICKING, UNID_COLLECT, UNID_CRACK, UNID_EXPLODE, UNID_HIT, UNID_ROLL
};
constexpr int kSoundCount = 28;
constexpr std::int16_t kNoSoundDistance = 10000;

struct SoundRequest {
  bool Flag = false;
  std::int16_t Distance = kNoSoundDistance;
  std::int16_t Pan = 0;
};

struct SoundQueue {
  // Index = SoundId; entry 0 is never requested.
  std::array<SoundRequest, kSoundCount + 1> Entries{};
};

// Records a request for effect `id` at cell (x, y), heard from the Thresher at (playerX, playerY).
// x or y at or below -1 means no place: full volume, centred. Of several requests in a frame the
// nearest decides the distance and pan, and of equally near ones the last.
void QueueSound(SoundQueue& queue, int id, int x, int y, float playerX, float playerY);

// The same, heard from the Thresher's cell: how every rule asks for a sound.
void QueueSound(Game& game, int id, int x, int y);

// Clears one entry after it has been played.
void ResetSoundRequest(SoundRequest& request);

}  // namespace brolt
