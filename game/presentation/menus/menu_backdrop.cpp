#include "game/presentation/menus/menu_backdrop.h"

#include <cmath>

#include "game/core/drawing/texture_id.h"
#include "game/core/state/game.h"
#include "game/presentation/level_drawing/world_sprites.h"
#include "game/presentation/menus/title_picture.h"
#include "game/presentation/text/screen_colours.h"
#include "game/presentation/text/sheet_frames.h"

namespace brolt {

namespace {

constexpr float kBackdropScale = 30.0f;

// Draws the six quads: the spans sway ten degrees a second, and the quads turn one degree a second
// after they are drawn. False, with nothing drawn or moved, while the frame rate is 0.
bool DrawBackdrop(Game& game, RenderDevice& device) {
  const auto rate = static_cast<float>(game.timing.FrameRateNow);
  if (rate == 0.0f) return false;
  float& wobble = game.menu.BackdropWobble;
  wobble += 10.0f / rate;
  if (wobble > 359.0f) wobble -= 360.0f;
  const auto s = static_cast<float>(std::sin(wobble * kDegreesToRadians) / 20.0);
  const auto c = static_cast<float>(std::cos(wobble * kDegreesToRadians) / 20.0);

  float& a = game.startUp.BackdropAngles[0];
  float& b = game.startUp.BackdropAngles[1];
  float& t = game.startUp.BackdropAngles[2];
  struct Layer {
    float x, y, depth, angle, span;
  };
  const Layer layers[6] = {{40, -50, 15, -a, 2 + s}, {-40, -50, 14, a, 2 - c}, {0, -40, 13, -b, 3 + s},
                           {0, 40, 12, b, 3 - c},    {0, 0, 11, t, 5 - s},     {0, 0, 10, -t, 5 + c}};
  const std::uint32_t colour = game.startUp.MenuColour;
  for (const Layer& layer : layers)
    DrawBackgroundQuad(game, device, layer.x, layer.y, layer.depth, layer.angle, kBackdropScale, colour, layer.span,
                       0.0f, TexBack);

  b += 1.0f / rate;
  if (b > 360.0f) b = 0.0f;
  for (float* turn : {&a, &t}) {
    *turn -= 1.0f / rate;
    if (*turn < -360.0f) *turn = 0.0f;
  }
  return true;
}

}  // namespace

void DrawCreditsBackground(Game& game, RenderDevice& device) { DrawBackdrop(game, device); }

void DrawMenuBackground(Game& game, RenderDevice& device) {
  if (DrawBackdrop(game, device) && game.render.TitleFade > 0) DrawFadeOverlayB(game, device);
}

}  // namespace brolt
