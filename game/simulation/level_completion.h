#pragma once
// The end of a level and the player's progress: completing it, leaving the level-complete screen,
// and the one checkpoint of a running level.
namespace brolt {

struct Game;

// The Thresher steps into an open exit: marks the level solved, opens the next closed one and puts
// up the level-complete screen. In preview play the game ends instead and nothing is written.
void CompleteLevel(Game& game);

// Leaves the level-complete screen for the menu, storing the best time.
void FinishLevel(Game& game);

// Keeps a snapshot of the running level (a checkpoint power-up is collected).
void SaveCheckpoint(Game& game);

// Puts the snapshot back (the player restarts a failed level).
void RestoreCheckpoint(Game& game);

}  // namespace brolt
