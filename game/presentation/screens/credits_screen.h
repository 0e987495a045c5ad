#pragma once
// The credits, shown when the player leaves the game from the title menu: the makers over the
// backdrop while the music fades out; the next key ends the program.
namespace brolt {

struct Game;
class RenderDevice;

// One frame of the credits.
void ShowCredits(Game& game, RenderDevice& device);

// One frame of the music fading out by 10 dB a second, the menu music and an mp3 track alike; no
// music at all is fine.
void FadeOutCreditsMusic(Game& game);

}  // namespace brolt
