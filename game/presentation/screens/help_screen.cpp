#include "game/presentation/screens/help_screen.h"

#include <string>

#include "game/core/drawing/help_icons.h"
#include "game/core/drawing/markup_text.h"
#include "game/core/files/definitions.h"
#include "game/core/files/help_pages.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/state/frame_timing.h"
#include "game/core/state/game.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {

namespace {

void Centred(Game& game, const std::string& text, std::int16_t y, std::int16_t size, std::int16_t sizeWave,
             std::uint32_t colour) {
  std::int16_t x = 0;
  game.services.drawing->DrawText(text, x, y, size, 0, 0, sizeWave, colour);
}

void DrawPage(Game& game) {
  DefinitionsState& help = game.definitions;
  if (!help.DefineRecordset || !help.DefineRecordset->SetPosition(game.overlay.HelpPage)) return;
  DrawHelpIcons(game, GetHelpIcons(game), 110);
  DrawMarkupText(game, GetHelpBody(game), 200, help.HelpTextColour, help.HelpHighlightColour);
  Centred(game, GetHelpHeader(game), 160, static_cast<std::int16_t>(help.HelpTextSize + 2), 0, kOrangeText);
}

void TurnPages(Game& game, int pages) {
  std::int16_t& page = game.overlay.HelpPage;
  const auto& keyDown = game.keys.KeyDown;
  if (keyDown[scan::Up] == 1 && page > 0) {
    --page;
    QueueSound(game, MENU_MOVE, -1, -1);
  }
  if (keyDown[scan::Down] == 1 && page < pages - 1) {
    ++page;
    QueueSound(game, MENU_MOVE, -1, -1);
  }
}

}  // namespace

void DrawHelpScreen(Game& game) {
  game.services.screens->DrawMenuBackground();
  Centred(game, game.flags.InMenu ? "help" : "paused", 20, 30, 2, kOrangeText);
  const int pages = GetRecordCount(game);
  // Without pages there is no page 1 to count.
  const int shown = pages > 0 ? game.overlay.HelpPage + 1 : 0;
  Centred(game, "page " + std::to_string(shown) + " of " + std::to_string(pages), 60, 10, 0, kLightBlueText);
  DrawPage(game);
  TurnPages(game, pages);
  DrawMarkupText(game, "Use {UP} and {DOWN} to flip pages", 450, kLightBlueText, kPaleYellowText);
  DrawMarkupText(game, "Press {escape} to go back", 465, kLightBlueText, kPaleYellowText);
  if (game.keys.KeyPressed[scan::Escape] == 1) {
    game.flags.ShowingHelp = false;
    ResetTickCounters(game.timing, game.clock());
  }
}

}  // namespace brolt
