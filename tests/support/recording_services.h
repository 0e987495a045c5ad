#pragma once
// Screens and Music doubles that write every call into one shared log, so that a test can check
// what a frame drew and played, and in which order.
#include <string>
#include <vector>

#include "game/core/interfaces/presentation_services.h"

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

// Counts the menu-music rewinds, and logs every call when given a log (a long run of frames without
// one keeps nothing).
class RecordingMusic : public Music {
 public:
  RecordingMusic() = default;
  explicit RecordingMusic(CallLog& log) : log_(&log) {}
  void InitAudio() override { Log("InitAudio"); }
  void PlayQueuedSounds() override { Log("PlayQueuedSounds"); }
  void AdvancePlaylist() override { Log("AdvancePlaylist"); }
  void PlayNextTrack() override { Log("PlayNextTrack"); }
  void StartMusicTrack() override { Log("StartMusicTrack"); }
  void FadeInMenuMusic() override { Log("FadeInMenuMusic"); }
  void FadeInGameMusic() override { Log("FadeInGameMusic"); }
  void UpdateMusic() override { Log("UpdateMusic"); }
  void RewindMenuMusic() override {
    ++rewinds;
    Log("RewindMenuMusic");
  }
  void ResumeMusic() override { Log("ResumeMusic"); }

  int rewinds = 0;

 private:
  void Log(const char* call) {
    if (log_) log_->push_back(call);
  }
  CallLog* log_ = nullptr;
};

}  // namespace brolt::testing
