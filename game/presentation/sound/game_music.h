#pragma once
// The sound and music calls of the core's main loop and the menus, on the game's audio state.
#include "game/core/interfaces/presentation_services.h"

namespace brolt {

struct Game;

class GameMusic final : public Music {
 public:
  explicit GameMusic(Game& game) : game_(game) {}

  void InitAudio() override;
  void PlayQueuedSounds() override;
  void AdvancePlaylist() override;
  void PlayNextTrack() override;
  void StartMusicTrack() override;
  void FadeInMenuMusic() override;
  void FadeInGameMusic() override;
  void UpdateMusic() override;
  void RewindMenuMusic() override;
  // Only a lost display device pauses the music, and the OpenGL window never loses it; these stop
  // and run the mp3 track all the same.
  void ResumeMusic() override;

 private:
  Game& game_;
};

}  // namespace brolt
