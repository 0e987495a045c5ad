#pragma once
// The level clock and the time limit, run once per frame after the frame is shown.
namespace brolt {

struct Game;

// Measures the frame on the system timer and runs the level clock while the level is being played
// (alive, not typing a name, past the get-ready second, not under the help or the options), counts
// the get-ready seconds, takes a second off the time limit at each whole second (ticking through
// the last ten), and keeps the minutes at 99 at most. Milliseconds past a whole second carry over
// to the next.
void AdvanceLevelClock(Game& game);

// Moves the light radius 3 units a frame toward its target, settling at or just below it.
void EaseLightRadius(Game& game);

}  // namespace brolt
