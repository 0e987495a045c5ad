#pragma once
// The game's Screens service: the keyboard poll and every screen the main loop hands a frame to.
#include "game/core/interfaces/presentation_services.h"
#include "game/core/state/keyboard_state.h"

namespace brolt {

struct Game;
class RenderDevice;

class GameScreens final : public Screens {
 public:
  // `held` is the keyboard as the window last saw it, refreshed before every poll.
  GameScreens(Game& game, RenderDevice& device, const HeldKeyTable& held)
      : game_(game), device_(device), held_(held) {}

  void InitKeyboard() override;
  void PollKeyboard() override;
  void InitMenuItems() override;
  void InitRenderDefaults() override;
  void RunMainMenu() override;
  void ShowCredits() override;
  void DrawHelpScreen() override;
  void DrawOptionsScreen() override;
  void DrawFadeOverlay(std::int16_t target, std::int16_t grey) override;
  void DrawCreditsBackground() override;
  void DrawMenuBackground() override;
  void DrawCongratsScreen() override;
  void RenderLevel() override;
  void DrawLevelCompleteScreen() override;
  void DrawFailureMessage() override;

 private:
  Game& game_;
  RenderDevice& device_;
  const HeldKeyTable& held_;
};

}  // namespace brolt
