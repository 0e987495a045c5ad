#pragma once
// Starting the level the player chose, from the level list or the start-level hook.
namespace brolt {

struct Game;

// Starts the current level as the list starts the one the player chose: with the level music,
// without a checkpoint, and with the Enter that chose it used up.
void StartLevel(Game& game);

}  // namespace brolt
