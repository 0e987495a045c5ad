#include "game/presentation/sound/sound_effects.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "game/core/state/game.h"
#include "game/presentation/sound/option_volume.h"

namespace brolt {
namespace {

constexpr std::array<std::string_view, kSoundCount + 1> kSoundNames = {
    "",              "ARANEAE_CRAWL",  "ARANEAE_DIE",   "BOMB_EXPLODE",    "DOOR_OPEN",      "EXIT_EXPLODE",
    "EXIT_LEVEL",    "EXIT_OPEN",      "GAME_OVER",     "GNAT_DIE",        "GNAT_FLY",       "GRASS_COLLECT",
    "KEYBOARD_INPUT", "MENU_MOVE",     "MENU_NA",       "MENU_SELECT",     "PORTAL_ZOOM",    "POWERUP_COLLECT",
    "ROCK_GENERATOR", "ROCK_HIT",      "ROCK_PUSH",     "ROCK_ROLL",       "THRESHER_SHOOT", "TIME_TICKING",
    "UNID_COLLECT",  "UNID_CRACK",     "UNID_EXPLODE",  "UNID_HIT",        "UNID_ROLL"};

// Short effects that a new request starts again from the beginning.
bool RestartsWhenRequested(int id) {
  switch (id) {
    case ARANEAE_DIE: case BOMB_EXPLODE: case GNAT_DIE: case GRASS_COLLECT: case PORTAL_ZOOM:
    case THRESHER_SHOOT: case UNID_COLLECT: case UNID_EXPLODE:
      return true;
    default:
      return false;
  }
}

// Explosions are heard across the level: never attenuated beyond this many cells.
constexpr int kNearLimit = 20;
bool IsHeardFar(int id) { return id == BOMB_EXPLODE || id == UNID_EXPLODE; }

// Each cell of distance costs one decibel.
constexpr int kVolumePerCell = 100;

}  // namespace

std::string_view SoundName(int id) {
  return id >= 1 && id <= kSoundCount ? kSoundNames[static_cast<std::size_t>(id)] : std::string_view{};
}

void LoadSoundEffects(Game& game) {
  if (!game.services.audio) return;
  for (int id = 1; id <= kSoundCount; ++id) {
    game.audio.SoundBuffers[static_cast<std::size_t>(id)] =
        game.services.audio->LoadSound(game.paths.SoundPath / (std::string(SoundName(id)) + ".wav"));
  }
}

void PlayQueuedSounds(Game& game) {
  for (int id = 1; id <= kSoundCount; ++id) {
    SoundRequest& request = game.sounds.Entries[static_cast<std::size_t>(id)];
    if (!request.Flag) continue;
    PlayQueuedSound(game, id);
    ResetSoundRequest(request);
  }
}

void PlayQueuedSound(Game& game, int id) {
  if (id < 1 || id > kSoundCount) return;
  SoundBuffer* buffer = game.audio.SoundBuffers[static_cast<std::size_t>(id)].get();
  if (!buffer) return;
  const SoundRequest& request = game.sounds.Entries[static_cast<std::size_t>(id)];
  int distance = request.Distance;
  const int pan = -request.Pan;
  if (RestartsWhenRequested(id)) buffer->SetPosition(0);
  if (IsHeardFar(id)) distance = std::min(distance, kNearLimit);
  const int volume =
      std::max(OptionLevelVolume(game.settings.SoundVolume) - std::abs(distance * kVolumePerCell), kFloorVolume);
  if (pan < -kPanLimit || pan > kPanLimit) return;
  buffer->SetPan(pan);
  buffer->SetVolume(volume);
  buffer->Play(false);
}

}  // namespace brolt
