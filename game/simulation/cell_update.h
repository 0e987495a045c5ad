#pragma once
// The rule of one grid cell at rest.
namespace brolt {

struct Game;

// Lets a heavy object fall, then hands the cell, as the fall has left it, to the rule of its type:
// creatures, hatchers, bombs, closed exits (which open once no unid is needed), cannons and rock
// generators; a switch shows the switches' position. The Thresher is not run here. The play update
// calls it once per frame for every cell whose AnimTime is 0.
void UpdateCell(Game& game, int x, int y);

}  // namespace brolt
