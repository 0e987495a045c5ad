#include "game/presentation/game_screens.h"

#include "game/presentation/keyboard_input.h"
#include "game/presentation/level_rendering.h"
#include "game/presentation/world_sprites.h"

namespace brolt {

void GameScreens::InitKeyboard() { brolt::InitKeyboard(game_); }
void GameScreens::PollKeyboard() { brolt::PollKeyboard(game_, held_); }
void GameScreens::InitRenderDefaults() { brolt::InitRenderDefaults(game_); }
void GameScreens::RenderLevel() { brolt::RenderLevel(game_, device_); }

// The menus, the title, the credits and the overlay screens of play come with their own modules.
void GameScreens::InitMenuItems() {}
void GameScreens::RunMainMenu() {}
void GameScreens::ShowCredits() {}
void GameScreens::DrawHelpScreen() {}
void GameScreens::DrawOptionsScreen() {}
void GameScreens::DrawFadeOverlay(std::int16_t, std::int16_t) {}
void GameScreens::DrawCreditsBackground() {}
void GameScreens::DrawMenuBackground() {}
void GameScreens::DrawCongratsScreen() {}
void GameScreens::DrawLevelCompleteScreen() {}
void GameScreens::DrawFailureMessage() {}

}  // namespace brolt
