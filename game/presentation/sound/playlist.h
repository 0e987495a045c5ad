#pragma once
// The level music's play order over the Music folder's tracks: shuffled once at start-up, one step
// on at every level start.
#include <string>

namespace brolt {

struct Game;

// Lists the Music folder's "*.mix" and "*.mp3" tracks into MusicList and shuffles the play order.
void InitPlaylist(Game& game);

// 101 passes that swap every entry with a random one.
void ShufflePlaylist(Game& game);

// The next entry, back to the first after the last: the first level plays entry 1 (entry 0 when
// there is only one track).
void AdvancePlaylist(Game& game);

// The last three characters of a file name in lower case.
std::string GetFileExtension(const std::string& fileName);

}  // namespace brolt
