#pragma once
// The music volumes: each frame the wanted music (menu or level, by LevelMusic) is raised toward
// the option level and the other is muted; the options set the level at once.
namespace brolt {

struct Game;

// The music option level, at once, on the wanted music buffer and on an mp3 track.
void ApplyMusicLevel(Game& game);

// One frame of the fade toward the menu music; the credits screen fades the music itself.
void FadeInMenuMusic(Game& game);

// One frame of the fade toward the level music.
void FadeInGameMusic(Game& game);

}  // namespace brolt
