#include "game/presentation/game_screens.h"

#include "game/presentation/congrats_screen.h"
#include "game/presentation/game_hud.h"
#include "game/presentation/help_screen.h"
#include "game/presentation/keyboard_input.h"
#include "game/presentation/level_complete_screen.h"
#include "game/presentation/level_rendering.h"
#include "game/presentation/options_screen.h"
#include "game/presentation/world_sprites.h"

namespace brolt {

void GameScreens::InitKeyboard() { brolt::InitKeyboard(game_); }
void GameScreens::PollKeyboard() { brolt::PollKeyboard(game_, held_); }
void GameScreens::InitRenderDefaults() { brolt::InitRenderDefaults(game_); }
void GameScreens::RenderLevel() { brolt::RenderLevel(game_, device_); }
void GameScreens::DrawHelpScreen() { brolt::DrawHelpScreen(game_); }
void GameScreens::DrawOptionsScreen() { brolt::DrawOptionsScreen(game_, device_); }
void GameScreens::DrawCongratsScreen() { brolt::DrawCongratsScreen(game_); }
void GameScreens::DrawLevelCompleteScreen() { brolt::DrawLevelCompleteScreen(game_); }
void GameScreens::DrawFailureMessage() { brolt::DrawFailureMessage(game_); }

// The menus, the title and the credits come with their own modules.
void GameScreens::InitMenuItems() {}
void GameScreens::RunMainMenu() {}
void GameScreens::ShowCredits() {}
void GameScreens::DrawFadeOverlay(std::int16_t, std::int16_t) {}
void GameScreens::DrawCreditsBackground() {}
void GameScreens::DrawMenuBackground() {}

}  // namespace brolt
