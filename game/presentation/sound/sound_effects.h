#pragma once
// The 28 wave effects: loaded once at start-up, then played at the end of every frame from the
// frame's sound queue, quieter the farther from the Thresher and panned to the side they came from.
#include <string_view>

namespace brolt {

struct Game;

// The name of an effect's wave file without ".wav"; the SoundId's own name.
std::string_view SoundName(int id);

// Loads "<name>.wav" of every effect from the sound folder. An effect that is missing or cannot be
// read stays silent; without a sound device every effect does.
void LoadSoundEffects(Game& game);

// Plays every effect requested this frame once, at its nearest request, and clears the queue.
void PlayQueuedSounds(Game& game);
void PlayQueuedSound(Game& game, int id);

}  // namespace brolt
