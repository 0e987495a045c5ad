#pragma once
// The game's sound at start-up: the effects, both musics and the playlist.
namespace brolt {

struct Game;

// The message of a start without a sound device; start-up shows it and the game goes on silently.
constexpr const char* kDirectSoundFailed = "Direct Sound Failed";

// Called once, after the pack file has been unpacked and before its files are deleted. Builds the
// playlist, loads the effects and "menu.mus", and starts the menu music unless a preview is played.
// Without a sound device it records kDirectSoundFailed in game.audio.Failure. A missing "menu.mus"
// or an empty Music folder only means no menu music or no level music.
void InitAudio(Game& game);

}  // namespace brolt
