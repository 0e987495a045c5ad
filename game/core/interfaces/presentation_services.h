#pragma once
// What the core and the rules call in the presentation: drawing, screens and menus, keyboard,
// sound and music. The game's presentation implements these; tests use recording doubles.
#include <cstdint>
#include <string>

namespace brolt {

// Drawing calls of the 640 x 480 screen layer.
class Drawing {
 public:
  virtual ~Drawing() = default;
  // One line of bitmap-font text. x 0 centres the line on 320 and y 0 puts it at 240; the computed
  // values are written back. colour is an RGB value with red in the low byte.
  virtual void DrawText(const std::string& text, std::int16_t& x, std::int16_t& y, std::int16_t size,
                        std::int16_t angle, std::int16_t wave, std::int16_t sizeWave,
                        std::uint32_t colour) = 0;
  // One square picture centred at (x, y), turned by angle degrees, from column `frame` and row `row`
  // (both from 1) of texture `texture` cut into framesPerSide x framesPerSide pictures.
  virtual void DrawQuad(float framesPerSide, float x, float y, std::int16_t frame, std::int16_t row,
                        std::int16_t angle, float size, std::int16_t texture, std::uint32_t colour) = 0;
};

// The screens that the main loop hands a frame to, and the keyboard poll.
class Screens {
 public:
  virtual ~Screens() = default;
  virtual void InitKeyboard() = 0;
  virtual void PollKeyboard() = 0;
  virtual void InitMenuItems() = 0;
  virtual void InitRenderDefaults() = 0;
  virtual void RunMainMenu() = 0;
  virtual void ShowCredits() = 0;
  virtual void DrawHelpScreen() = 0;
  virtual void DrawOptionsScreen() = 0;
  virtual void DrawFadeOverlay(std::int16_t target, std::int16_t grey) = 0;
  virtual void DrawCreditsBackground() = 0;
  virtual void DrawMenuBackground() = 0;
  virtual void DrawCongratsScreen() = 0;
  virtual void RenderLevel() = 0;
  virtual void DrawLevelCompleteScreen() = 0;
  virtual void DrawFailureMessage() = 0;
};

// Sound effects and music.
class Music {
 public:
  virtual ~Music() = default;
  virtual void InitAudio() = 0;
  virtual void PlayQueuedSounds() = 0;
  // Starting level music: the three calls a level start makes, in this order.
  virtual void AdvancePlaylist() = 0;
  virtual void PlayNextTrack() = 0;
  virtual void StartMusicTrack() = 0;
  void StartLevelMusic() {
    AdvancePlaylist();
    PlayNextTrack();
    StartMusicTrack();
  }
  // The per-frame fades toward the menu music and toward the level music.
  virtual void FadeInMenuMusic() = 0;
  virtual void FadeInGameMusic() = 0;
  virtual void UpdateMusic() = 0;
  // Sets the menu music's play position back to its start (level completion).
  virtual void RewindMenuMusic() = 0;
  // Lets the level music run on after the graphics are reloaded.
  virtual void ResumeMusic() = 0;
};

}  // namespace brolt
