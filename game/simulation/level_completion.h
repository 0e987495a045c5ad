#pragma once
// The end of a level and the player's progress: completing it, leaving the level-complete screen,
// and the one checkpoint of a running level.
#include "game/core/state/cell_grid.h"

namespace brolt {

struct Game;

// The Thresher steps into an open exit: marks the level solved, opens the next closed one and puts
// up the level-complete screen. In preview play the game ends instead and nothing is written.
// A collection that cannot be written is told to the player through the game's messages, and play
// goes on.
void CompleteLevel(Game& game);

// Leaves the level-complete screen for the menu, storing the best time; a time that cannot be
// written is told as the progress is.
void FinishLevel(Game& game);

// Keeps a snapshot of the running level as it will stand once the Thresher, now in his cell, has
// taken the checkpoint power-up in `item` and stands in `stand`: the power-up gone, his old cell
// empty and a fresh Thresher at rest in `stand`.
void SaveCheckpoint(Game& game, GridPoint item, GridPoint stand);

// Puts the snapshot back (the player restarts a failed level). A snapshot without a Thresher
// cannot be played: the level is loaded afresh instead.
void RestoreCheckpoint(Game& game);

}  // namespace brolt
