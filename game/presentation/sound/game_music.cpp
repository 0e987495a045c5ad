#include "game/presentation/sound/game_music.h"

#include "game/core/state/game.h"
#include "game/presentation/sound/audio_start.h"
#include "game/presentation/sound/level_music.h"
#include "game/presentation/sound/music_fades.h"
#include "game/presentation/sound/playlist.h"
#include "game/presentation/sound/sound_effects.h"

namespace brolt {

void GameMusic::InitAudio() { brolt::InitAudio(game_); }
void GameMusic::PlayQueuedSounds() { brolt::PlayQueuedSounds(game_); }
void GameMusic::AdvancePlaylist() { brolt::AdvancePlaylist(game_); }
void GameMusic::PlayNextTrack() { brolt::PlayNextTrack(game_); }
void GameMusic::StartMusicTrack() { brolt::StartMusicTrack(game_); }
void GameMusic::FadeInMenuMusic() { brolt::FadeInMenuMusic(game_); }
void GameMusic::FadeInGameMusic() { brolt::FadeInGameMusic(game_); }
void GameMusic::UpdateMusic() { brolt::UpdateMusic(game_); }

void GameMusic::RewindMenuMusic() {
  if (game_.audio.MenuMusicBuffer) game_.audio.MenuMusicBuffer->SetPosition(0);
}

void GameMusic::ResumeMusic() {
  if (game_.audio.MusicKind == MusicMp3 && game_.audio.MediaTrack) game_.audio.MediaTrack->Run();
}

}  // namespace brolt
