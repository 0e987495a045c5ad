#pragma once
// The level picture of one frame of play: the 19 x 15 cells around the Thresher drawn in seven
// passes over a scrolling backdrop, the view sliding with the Thresher's motion and the light
// following him.
namespace brolt {

struct Game;
class RenderDevice;

// Draws the window of cells centred on the Thresher, then the play screen's read-outs over it.
// Called once per frame of play, after the rules of the frame.
void RenderLevel(Game& game, RenderDevice& device);

// Draws the window whose bottom-left cell is (originX, originY), clamped so that the window shows
// at most one cell beyond the level's edge, in this order: backdrop, force floors, the Thresher,
// walls, other objects, creatures and rocks, blasts and the rock generator.
void DrawLevelWindow(Game& game, RenderDevice& device, int originX, int originY);

}  // namespace brolt
