#pragma once
// A Music double that counts the calls the rules make, for tests of anything that steers the music.
#include "game/core/presentation_services.h"

namespace brolt::testing {

class RecordingMusic : public Music {
 public:
  void InitAudio() override {}
  void PlayQueuedSounds() override {}
  void AdvancePlaylist() override {}
  void PlayNextTrack() override {}
  void StartMusicTrack() override {}
  void FadeInMenuMusic() override {}
  void FadeInGameMusic() override {}
  void UpdateMusic() override {}
  void RewindMenuMusic() override { ++rewinds; }
  void PauseMusic() override {}
  void ResumeMusic() override {}

  int rewinds = 0;
};

}  // namespace brolt::testing
