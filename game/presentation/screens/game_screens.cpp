#include "game/presentation/screens/game_screens.h"

#include "game/presentation/level_drawing/game_hud.h"
#include "game/presentation/level_drawing/level_rendering.h"
#include "game/presentation/level_drawing/world_sprites.h"
#include "game/presentation/menus/main_menu.h"
#include "game/presentation/menus/menu_backdrop.h"
#include "game/presentation/menus/title_picture.h"
#include "game/presentation/screens/congrats_screen.h"
#include "game/presentation/screens/credits_screen.h"
#include "game/presentation/screens/help_screen.h"
#include "game/presentation/screens/keyboard_input.h"
#include "game/presentation/screens/level_complete_screen.h"
#include "game/presentation/screens/options_screen.h"

namespace brolt {

void GameScreens::InitKeyboard() { brolt::InitKeyboard(game_); }
void GameScreens::PollKeyboard() { brolt::PollKeyboard(game_, held_); }
void GameScreens::InitRenderDefaults() { brolt::InitRenderDefaults(game_); }
void GameScreens::RenderLevel() { brolt::RenderLevel(game_, device_); }
void GameScreens::DrawHelpScreen() { brolt::DrawHelpScreen(game_); }
void GameScreens::DrawOptionsScreen() { brolt::DrawOptionsScreen(game_); }
void GameScreens::DrawCongratsScreen() { brolt::DrawCongratsScreen(game_); }
void GameScreens::DrawLevelCompleteScreen() { brolt::DrawLevelCompleteScreen(game_); }
void GameScreens::DrawFailureMessage() { brolt::DrawFailureMessage(game_); }
void GameScreens::InitMenuItems() { brolt::InitMenuItems(game_); }
void GameScreens::RunMainMenu() { brolt::RunMainMenu(game_, device_); }
void GameScreens::ShowCredits() { brolt::ShowCredits(game_, device_); }
void GameScreens::DrawFadeOverlay(std::int16_t target, std::int16_t grey) {
  brolt::DrawFadeOverlay(game_, device_, target, grey);
}
void GameScreens::DrawCreditsBackground() { brolt::DrawCreditsBackground(game_, device_); }
void GameScreens::DrawMenuBackground() { brolt::DrawMenuBackground(game_, device_); }

}  // namespace brolt
