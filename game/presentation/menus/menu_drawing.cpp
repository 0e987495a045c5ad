#include "game/presentation/menus/menu_drawing.h"

#include "game/core/drawing/markup_text.h"
#include "game/core/drawing/texture_id.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/state/game.h"
#include "game/presentation/text/screen_colours.h"
#include "game/presentation/text/screen_quads.h"

namespace brolt {

void DrawMenuText(Game& game, const std::string& text, std::int16_t x, std::int16_t y, std::int16_t size,
                  std::int16_t sizeWave, std::uint32_t colour) {
  game.services.drawing->DrawText(text, x, y, size, 0, 0, sizeWave, colour);
}

void DrawListHighlight(RenderDevice& device, float y) {
  for (int pass = 0; pass < 2; ++pass) {
    DrawPanel(device, 1.0f, 40, y - 25, 600, y - 15, 1, 1, TexBack, kWhiteText);
    DrawPanel(device, 1.0f, 40, y + 15, 600, y + 25, 1, 1, TexBack, kWhiteText);
    DrawPanelC(device, 1.0f, 55, y - 15, 585, y + 15, 1, 1, TexBack, kWhiteText);
  }
}

void DrawMenuHints(Game& game, const std::string& first, const std::string& second) {
  constexpr std::uint32_t kHint = Rgb(100, 200, 250);
  constexpr std::uint32_t kHighlight = Rgb(250, 250, 150);
  DrawMarkupText(game, first, 450, kHint, kHighlight);
  DrawMarkupText(game, second, 465, kHint, kHighlight);
}

}  // namespace brolt
