#include "game/presentation/menus/title_picture.h"

#include <algorithm>

#include "game/core/drawing/texture_id.h"
#include "game/core/state/game.h"
#include "game/presentation/text/screen_colours.h"
#include "game/presentation/text/screen_quads.h"

namespace brolt {

namespace {

constexpr std::int16_t kFullTitle = 200;
constexpr std::int16_t kFadeOutStep = 10;

using PanelDrawer = void (*)(RenderDevice&, float, float, float, float, float, std::int16_t, std::int16_t,
                             std::int16_t, std::uint32_t);

void DrawQuarters(RenderDevice& device, PanelDrawer draw, std::uint32_t tint) {
  struct Quarter {
    std::int16_t texture;
    float left, top, right, bottom;
  };
  static constexpr Quarter kQuarters[4] = {{TexCornerTL, 0, 0, 320, 240},
                                           {TexCornerTR, 320, 0, 640, 240},
                                           {TexCornerBL, 0, 240, 320, 480},
                                           {TexCornerBR, 320, 240, 640, 480}};
  for (const Quarter& q : kQuarters) draw(device, 1.0f, q.left, q.top, q.right, q.bottom, 1, 1, q.texture, tint);
}

std::uint32_t Grey(std::int16_t level) {
  const auto part = static_cast<std::uint32_t>(std::clamp<int>(level, 0, 255));
  return Rgb(part, part, part);
}

}  // namespace

void DrawFadeOverlay(Game& game, RenderDevice& device, std::int16_t target, std::int16_t grey) {
  std::int16_t& fade = game.render.TitleFade;
  if (game.settings.DeveloperMode) fade = kFullTitle;
  if (target != 0) {
    if (fade < target) fade = static_cast<std::int16_t>(fade + 2);
  } else if (fade < kFullTitle) {
    ++fade;
  }
  DrawQuarters(device, DrawPanel, Grey(grey > 0 ? grey : fade));
}

void DrawFadeOverlayB(Game& game, RenderDevice& device) {
  std::int16_t& fade = game.render.TitleFade;
  if (fade > 0) fade = static_cast<std::int16_t>(std::max(fade - kFadeOutStep, 0));
  DrawQuarters(device, DrawPanelB, Grey(fade));
}

}  // namespace brolt
