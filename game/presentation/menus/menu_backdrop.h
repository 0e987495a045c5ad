#pragma once
// The animated backdrop of every screen that is not the level: six large quads of the backdrop
// texture in the menu colour, added onto the picture, each turning one degree a second while their
// texture spans sway.
namespace brolt {

struct Game;
class RenderDevice;

// One frame of the backdrop of the title and the credits. Nothing is drawn and nothing moves while
// the frame rate is still 0.
void DrawCreditsBackground(Game& game, RenderDevice& device);

// The same backdrop for the menu, then the title picture fading out over it while any is left.
void DrawMenuBackground(Game& game, RenderDevice& device);

}  // namespace brolt
