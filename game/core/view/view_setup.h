#pragma once
// Two start-up steps of the level view: where the view's cells lie in the world, and the light
// centre and colour the drawing starts with before any level is loaded.
namespace brolt {

struct Game;

// Puts the light centre at the view centre and sets the world bounds of the view's outer cell
// centres (half a cell inside the view's edge) and the sprite radius of one cell.
void InitCamera(Game& game);

// No light until a level sets its radius; the first (white) colour of the colour table.
void DefaultColours(Game& game);

}  // namespace brolt
