#pragma once
// The level music: the playlist entry's track is loaded and started muted at every level start,
// and kept going every frame. An mp3 track loops; a mix track plays as a random sequence of its
// eighth-of-a-second slices, each slice two or four times in a row, without a gap.
namespace brolt {

struct Game;

// Stops the old track and loads the current playlist entry's, muted. A track that cannot be read
// is passed over for the next entry; when none can be read there is no level music.
void PlayNextTrack(Game& game);

// Starts the loaded track.
void StartMusicTrack(Game& game);

// How many times a mix slice plays: 2 or 4.
int PickRepeatCount(Game& game);

// Once a frame: moves a mix track on to its next slice when the current one has played, and sends
// an mp3 track back to its start when it is about to end.
void UpdateMusic(Game& game);

}  // namespace brolt
