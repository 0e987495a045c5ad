#pragma once
// Wall shaping: after a level is loaded, every wall cell gets the piece of its sheet (and the turn
// of it) that joins it to the walls beside it, so the walls join up on screen. Nothing reshapes the
// walls until the next load.
namespace brolt {

struct Game;
class CellTypeMap;

// Whether the cell at (x, y) counts as wall for its neighbours.
bool IsBlockedAt(const Game& game, int x, int y);

// Shapes the walls of the level (cells 0..50 both ways) from their four side neighbours. Only the
// Frame, FrameRow and Angle of wall cells change; a plain wall surrounded by walls on all four
// sides draws one random number for the turn of its inner piece.
// `types` holds the Type of every grid cell at x, y = -1..51.
void ShapeWalls(Game& game, const CellTypeMap& types);

}  // namespace brolt
