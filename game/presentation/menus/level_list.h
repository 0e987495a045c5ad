#pragma once
// The title menu's list of the levels of the current collection: nine rows round the current level
// with their open, solved and best-time state, and the animated title of a level being launched or
// just finished.
namespace brolt {

struct Game;
class RenderDevice;

// Enter on the list: the current level's title starts shrinking and fading; the level loads once it
// has shrunk away, if it may be played.
void ChooseListedLevel(Game& game);

// Leaving the list: a level chosen but not started yet is forgotten. Its launch runs only while its
// row is drawn, so left pending it would start a level of whatever list opens next, unasked. A
// finished level's title returning to the list is left to run on.
void DropPendingLaunch(Game& game);

// One frame of the level list.
void DrawLevelList(Game& game, RenderDevice& device);

}  // namespace brolt
