#pragma once
// Screens and Music doubles that write every call into one shared log, so that a test can check
// what a frame drew and played, and in which order.
#include <string>
#include <vector>

#include "game/core/presentation_services.h"

namespace brolt::testing {

using CallLog = std::vector<std::string>;

class RecordingScreens : public Screens {
 public:
  explicit RecordingScreens(CallLog& log) : log_(log) {}
  void InitKeyboard() override { log_.push_back("InitKeyboard"); }
  void PollKeyboard() override { log_.push_back("PollKeyboard"); }
  void InitMenuItems() override { log_.push_back("InitMenuItems"); }
  void InitRenderDefaults() override { log_.push_back("InitRenderDefaults"); }
  void RunMainMenu() override { log_.push_back("RunMainMenu"); }
  void ShowCredits() override { log_.push_back("ShowCredits"); }
  void DrawHelpScreen() override { log_.push_back("DrawHelpScreen"); }
  void DrawOptionsScreen() override { log_.push_back("DrawOptionsScreen"); }
  void DrawFadeOverlay(std::int16_t target, std::int16_t grey) override {
    log_.push_back("DrawFadeOverlay(" + std::to_string(target) + "," + std::to_string(grey) + ")");
  }
  void DrawCreditsBackground() override { log_.push_back("DrawCreditsBackground"); }
  void DrawMenuBackground() override { log_.push_back("DrawMenuBackground"); }
  void DrawCongratsScreen() override { log_.push_back("DrawCongratsScreen"); }
  void RenderLevel() override { log_.push_back("RenderLevel"); }
  void DrawLevelCompleteScreen() override { log_.push_back("DrawLevelCompleteScreen"); }
  void DrawFailureMessage() override { log_.push_back("DrawFailureMessage"); }

 private:
  CallLog& log_;
};

class RecordingMusic : public Music {
 public:
  explicit RecordingMusic(CallLog& log) : log_(log) {}
  void InitAudio() override { log_.push_back("InitAudio"); }
  void PlayQueuedSounds() override { log_.push_back("PlayQueuedSounds"); }
  void AdvancePlaylist() override { log_.push_back("AdvancePlaylist"); }
  void PlayNextTrack() override { log_.push_back("PlayNextTrack"); }
  void StartMusicTrack() override { log_.push_back("StartMusicTrack"); }
  void FadeInMenuMusic() override { log_.push_back("FadeInMenuMusic"); }
  void FadeInGameMusic() override { log_.push_back("FadeInGameMusic"); }
  void UpdateMusic() override { log_.push_back("UpdateMusic"); }
  void RewindMenuMusic() override { log_.push_back("RewindMenuMusic"); }
  void PauseMusic() override { log_.push_back("PauseMusic"); }
  void ResumeMusic() override { log_.push_back("ResumeMusic"); }

 private:
  CallLog& log_;
};

}  // namespace brolt::testing
