#pragma once
// The options of play (F4): the pause screen with the sound and music volumes and the game speed.
namespace brolt {

struct Game;

// One frame of the options page: Up and Down choose a line, Left and Right move the volume of the
// chosen line in steps of 5 within 0..100 (the music is heard at its new level at once). The game
// speed shows but cannot change during play. Escape rebuilds the object speeds and returns to play.
void DrawOptionsScreen(Game& game);

}  // namespace brolt
