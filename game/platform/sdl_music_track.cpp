#include "game/platform/sdl_music_track.h"

#include <SDL2/SDL_mixer.h>

#include <algorithm>

#include "game/platform/audio_levels.h"

namespace brolt {

SdlMusicTrack::SdlMusicTrack(std::shared_ptr<MixerSession> session, Mix_Music* music)
    : session_(std::move(session)), music_(music) {}

SdlMusicTrack::~SdlMusicTrack() {
  if (session_->musicOwner == this) {
    Mix_HaltMusic();
    session_->musicOwner = nullptr;
  }
  Mix_FreeMusic(music_);
}

bool SdlMusicTrack::IsSounding() const { return session_->musicOwner == this && Mix_PlayingMusic(); }

void SdlMusicTrack::Run() {
  if (IsSounding()) return;
  session_->musicOwner = this;
  Mix_VolumeMusic(MixerVolume(volume_));
  // Looping in the mixer: a track that ends starts over at once.
  Mix_PlayMusic(music_, -1);
  if (position_ > 0) Mix_SetMusicPosition(position_);
}

void SdlMusicTrack::Stop() {
  if (!IsSounding()) return;
  position_ = Position();
  Mix_HaltMusic();
}

double SdlMusicTrack::Position() const {
  if (!IsSounding()) return position_;
  return std::max(0.0, Mix_GetMusicPosition(music_));
}

void SdlMusicTrack::SetPosition(double seconds) {
  position_ = std::max(0.0, seconds);
  if (IsSounding()) Mix_SetMusicPosition(position_);
}

double SdlMusicTrack::Duration() const { return std::max(0.0, Mix_MusicDuration(music_)); }

void SdlMusicTrack::SetVolume(int hundredthsDb) {
  volume_ = std::clamp(hundredthsDb, kSilentVolume, kFullVolume);
  if (session_->musicOwner == this) Mix_VolumeMusic(MixerVolume(volume_));
}

int SdlMusicTrack::Volume() const { return volume_; }

}  // namespace brolt
