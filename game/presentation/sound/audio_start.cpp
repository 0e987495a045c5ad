#include "game/presentation/sound/audio_start.h"

#include "game/core/state/game.h"
#include "game/presentation/sound/music_fades.h"
#include "game/presentation/sound/playlist.h"
#include "game/presentation/sound/sound_effects.h"

namespace brolt {
namespace {

constexpr const char* kMenuMusicFile = "menu.mus";

void LoadMenuMusic(Game& game) {
  if (!game.services.audio) return;
  const auto file = game.paths.MusicPath / kMenuMusicFile;
  game.audio.MenuMusicBuffer = game.services.audio->LoadSound(file);
  // The level music's buffer until the first mix track takes its place.
  game.audio.GameMusicBuffer = game.services.audio->LoadSound(file);
}

}  // namespace

void InitAudio(Game& game) {
  InitPlaylist(game);
  if (!game.services.audio) game.audio.Failure = kDirectSoundFailed;
  LoadSoundEffects(game);
  LoadMenuMusic(game);
  ApplyMusicLevel(game);
  if (game.flags.CommandLine.empty() && game.audio.MenuMusicBuffer) game.audio.MenuMusicBuffer->Play(true);
}

}  // namespace brolt
