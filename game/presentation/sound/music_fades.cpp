#include "game/presentation/sound/music_fades.h"

#include <algorithm>

#include "game/core/state/game.h"
#include "game/presentation/sound/option_volume.h"

namespace brolt {
namespace {

int MusicLevel(const Game& game) { return OptionLevelVolume(game.settings.MusicVolume); }

// The fade step in hundredths of a decibel: from the floor to full level in 250 / FrameRateNow
// frames.
int FadeStep(const Game& game) { return 20 * std::min<int>(game.timing.FrameRateNow, 320); }

void RaiseToward(SoundBuffer* buffer, int step, int level) {
  if (buffer) buffer->SetVolume(std::min(buffer->Volume() + step, level));
}

void Mute(SoundBuffer* buffer) {
  if (buffer) buffer->SetVolume(kFloorVolume);
}

// The mp3 track only sounds while it is the level music; muted, it goes on playing.
void SetMp3Volume(Game& game, int volume) {
  if (game.audio.MusicKind == MusicMp3 && game.audio.MediaTrack) game.audio.MediaTrack->SetVolume(volume);
}

}  // namespace

void ApplyMusicLevel(Game& game) {
  AudioState& audio = game.audio;
  SoundBuffer* wanted = game.flags.LevelMusic == 0 ? audio.MenuMusicBuffer.get() : audio.GameMusicBuffer.get();
  if (wanted) wanted->SetVolume(MusicLevel(game));
  SetMp3Volume(game, MusicLevel(game));
}

void FadeInMenuMusic(Game& game) {
  if (game.flags.ShowingCredits || game.timing.FrameRateNow <= 0) return;
  SetMp3Volume(game, kFloorVolume);
  Mute(game.audio.GameMusicBuffer.get());
  RaiseToward(game.audio.MenuMusicBuffer.get(), FadeStep(game), MusicLevel(game));
}

void FadeInGameMusic(Game& game) {
  if (game.timing.FrameRateNow <= 0) return;
  SetMp3Volume(game, MusicLevel(game));
  RaiseToward(game.audio.GameMusicBuffer.get(), FadeStep(game), MusicLevel(game));
  Mute(game.audio.MenuMusicBuffer.get());
}

}  // namespace brolt
