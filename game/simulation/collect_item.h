#pragma once
// What the Thresher gains by taking an object: unids, grass and the power-ups.
#include "game/core/state/cell_grid.h"

namespace brolt {

struct Game;

// The Thresher takes the object in `item` and stands in `stand` once the move that takes it has
// ended (the item's own cell, unless he grabs it from beside). A unid already vanishing under an
// earlier grab is not counted again. Types that give nothing do nothing.
void CollectItem(Game& game, GridPoint item, GridPoint stand);

}  // namespace brolt
