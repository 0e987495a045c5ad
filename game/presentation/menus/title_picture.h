#pragma once
// The title picture, four quarter textures over the whole screen: brightened in from black on the
// title, shown dimmed on the end-of-collection screen, and faded out over the menu with an
// inverting blend.
#include <cstdint>

namespace brolt {

struct Game;
class RenderDevice;

// One frame of the picture brightening: TitleFade climbs by 1 a frame up to 200 when target is 0,
// else by 2 a frame up to target (at once to 200 in developer mode). The picture is tinted by
// TitleFade, or by grey when grey is above 0.
void DrawFadeOverlay(Game& game, RenderDevice& device, std::int16_t target, std::int16_t grey);

// One frame of the picture fading out: TitleFade falls by 10 a frame down to 0.
void DrawFadeOverlayB(Game& game, RenderDevice& device);

}  // namespace brolt
